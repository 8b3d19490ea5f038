#include "framework/win32/DialogTemplateBuilder.h"

#include "framework/win32/WideText.h"

#include <cstring>

namespace {

constexpr WORD kButtonClass = 0x0080;
constexpr WORD kEditClass = 0x0081;
constexpr WORD kStaticClass = 0x0082;

class TemplateWriter
{
public:
    void Word(WORD value) { m_words.push_back(value); }
    void Dword(DWORD value)
    {
        Word(WORD(value & 0xFFFF));
        Word(WORD(value >> 16));
    }
    void Text(const char* ansi)
    {
        for (wchar_t c : WideText::FromAnsi(ansi ? ansi : ""))
            Word(WORD(c));
        Word(0);
    }
    void ClassAtom(WORD atom)
    {
        Word(0xFFFF);
        Word(atom);
    }
    // Items start on a DWORD boundary of the template.
    void AlignToDword()
    {
        if (m_words.size() % 2 != 0)
            Word(0);
    }
    std::vector<WORD> Take() { return std::move(m_words); }

private:
    std::vector<WORD> m_words;
};

} // namespace

std::vector<WORD> BuildDialogTemplate(const DialogTemplate& dialogTemplate)
{
    TemplateWriter out;
    // The framework's dialogs open in the middle of the screen, as on every system.
    out.Dword(dialogTemplate.style | DS_SETFONT | DS_CENTER);
    out.Dword(dialogTemplate.exStyle);
    out.Word(WORD(dialogTemplate.controls.size()));
    out.Word(0);
    out.Word(0);
    out.Word(WORD(dialogTemplate.cx));
    out.Word(WORD(dialogTemplate.cy));
    out.Word(0); // no menu
    out.Word(0); // the dialog class
    out.Text(dialogTemplate.caption);
    out.Word(WORD(dialogTemplate.pointSize));
    out.Text(dialogTemplate.fontFace);

    for (const ControlTemplate& control : dialogTemplate.controls) {
        out.AlignToDword();
        out.Dword(control.style | WS_CHILD);
        out.Dword(0);
        out.Word(WORD(control.x));
        out.Word(WORD(control.y));
        out.Word(WORD(control.cx));
        out.Word(WORD(control.cy));
        out.Word(WORD(control.id));
        const bool icon = control.kind == ControlKind::Static && (control.style & SS_TYPEMASK) == SS_ICON;
        switch (control.kind) {
        case ControlKind::Button:
            out.ClassAtom(kButtonClass);
            break;
        case ControlKind::Edit:
            out.ClassAtom(kEditClass);
            break;
        case ControlKind::Static:
            out.ClassAtom(kStaticClass);
            break;
        case ControlKind::UpDown:
            out.Text("msctls_updown32");
            break;
        }
        out.Text(icon ? "" : control.text);
        out.Word(0); // no creation data
    }
    return out.Take();
}
