#include "res/ProgramResources.h"

#include "res/resource.h"

#include <array>

namespace {

// Style combinations of the resource script's control statements. A label (LTEXT, CTEXT)
// starts a group, so the choices below one label end at the next.
constexpr DWORD kLabel = WS_VISIBLE | WS_GROUP;
constexpr DWORD kCentredLabel = WS_VISIBLE | SS_CENTER | WS_GROUP;
constexpr DWORD kClickableLabel = WS_VISIBLE | SS_NOTIFY;
constexpr DWORD kHiddenLabel = 0;
constexpr DWORD kIcon = WS_VISIBLE | SS_ICON;
constexpr DWORD kButton = WS_VISIBLE | BS_OWNERDRAW | WS_TABSTOP;
constexpr DWORD kFirstButton = kButton | WS_GROUP;
constexpr DWORD kChoice = WS_VISIBLE | BS_OWNERDRAW;
constexpr DWORD kNumberEdit = WS_VISIBLE | WS_BORDER | WS_TABSTOP | ES_NUMBER | ES_AUTOHSCROLL;
constexpr DWORD kBuddySpin = WS_VISIBLE | UDS_SETBUDDYINT | UDS_ALIGNRIGHT | UDS_AUTOBUDDY;

constexpr DWORD kCaptionDialog = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
constexpr DWORD kPopupDialog = WS_POPUP | DS_MODALFRAME;

using K = ControlKind;

// clang-format off
constexpr std::array kAboutControls{
    ControlTemplate{IDC_STATIC, K::Static, "#128", 11, 44, 20, 20, kIcon},
    ControlTemplate{IDC_STATIC, K::Static, "Navik Version 1.0", 41, 34, 119, 8, WS_VISIBLE | SS_SIMPLE | WS_GROUP},
    ControlTemplate{IDC_STATIC, K::Static, "Trenažér zkoušky VMP", 41, 50, 119, 8, WS_VISIBLE | SS_SIMPLE | WS_GROUP},
    ControlTemplate{IDC_STATIC, K::Static, "© 2026 Navik", 41, 66, 54, 8, WS_VISIBLE | SS_SIMPLE | WS_GROUP},
    ControlTemplate{IDOK, K::Button, "OK", 178, 7, 50, 14, kFirstButton},
    ControlTemplate{IDC_HOME_PAGE, K::Button, "Home page", 178, 27, 50, 14, kButton},
};

constexpr std::array kLauncherControls{
    ControlTemplate{IDC_LEARN, K::Button, "Učení", 28, 29, 75, 21, kButton},
    ControlTemplate{IDC_EXAM, K::Button, "Zkoušení", 28, 86, 75, 21, kButton},
    ControlTemplate{IDC_EXIT, K::Button, "Konec", 28, 143, 75, 21, kButton},
};

constexpr std::array kQuestionControls{
    ControlTemplate{IDC_FIRST, K::Button, "| <", 7, 333, 37, 14, kButton},
    ControlTemplate{IDC_PREV, K::Button, "<", 91, 333, 60, 14, kButton},
    ControlTemplate{IDC_NEXT, K::Button, ">", 156, 333, 60, 14, kButton},
    ControlTemplate{IDC_LAST, K::Button, "> |", 263, 333, 37, 14, kButton},
    ControlTemplate{IDC_BACK, K::Button, "Zpět", 439, 333, 50, 14, kButton},
    ControlTemplate{IDC_QUESTION_TEXT, K::Static, "Otazka", 7, 7, 321, 83, kLabel},
    ControlTemplate{IDC_ANSWER_A, K::Static, "Odpoved", 38, 100, 321, 83, kClickableLabel},
    ControlTemplate{IDC_PICTURE_MARKER, K::Static, "Pozice obrazku", 331, 7, 98, 8, kHiddenLabel},
    ControlTemplate{IDC_ANSWER_B, K::Static, "Static", 38, 191, 19, 8, kClickableLabel},
    ControlTemplate{IDC_ANSWER_C, K::Static, "Static", 40, 238, 19, 8, kClickableLabel},
    ControlTemplate{IDC_TIME, K::Static, "Zbývající čas : 00:00:00", 7, 332, 150, 15, kLabel},
    ControlTemplate{IDC_PREV_TEN, K::Button, "-10", 49, 333, 37, 14, kButton},
    ControlTemplate{IDC_NEXT_TEN, K::Button, "+10", 221, 333, 37, 14, kButton},
};

constexpr std::array kLearnSettingsControls{
    ControlTemplate{IDC_STATIC, K::Static, "Začít od :", 7, 7, 32, 8, kLabel},
    ControlTemplate{IDC_START_FIRST, K::Button, "První otázky", 17, 20, 118, 10, kChoice | WS_GROUP | WS_TABSTOP},
    ControlTemplate{IDC_START_LAST, K::Button, "Naposled zobrazené otázky", 17, 35, 118, 10, kChoice},
    ControlTemplate{IDC_STATIC, K::Static, "Odpovědi zobrazovat :", 7, 50, 72, 8, kLabel},
    ControlTemplate{IDC_SHOW_ALL, K::Button, "Všechny", 17, 63, 118, 10, kChoice | WS_GROUP | WS_TABSTOP},
    ControlTemplate{IDC_SHOW_CORRECT, K::Button, "Jenom správnou", 17, 78, 118, 10, kChoice},
    ControlTemplate{IDOK, K::Button, "OK", 39, 98, 50, 14, kFirstButton},
    ControlTemplate{IDCANCEL, K::Button, "Cancel", 96, 98, 50, 14, kButton},
};

constexpr std::array kExamSettingsControls{
    ControlTemplate{IDC_STATIC, K::Static, "Test", 7, 7, 15, 8, kLabel},
    ControlTemplate{IDC_NEW_TEST, K::Button, "Nový test", 14, 19, 140, 10, kChoice | WS_GROUP | WS_TABSTOP},
    ControlTemplate{IDC_CONTINUE_TEST, K::Button, "Pokračovat v předešlém", 14, 33, 140, 10, kChoice},
    ControlTemplate{IDC_STATIC, K::Static, "Počet otázek", 7, 47, 43, 8, kLabel},
    ControlTemplate{IDC_ORDER_SEQUENTIAL, K::Button, "Všechy postupně", 14, 59, 140, 10, kChoice | WS_GROUP | WS_TABSTOP},
    ControlTemplate{IDC_ORDER_RANDOM, K::Button, "Všechny náhodně", 14, 73, 140, 10, kChoice},
    ControlTemplate{IDC_ORDER_SIMULATED, K::Button, "Simulovat test", 14, 87, 60, 10, kChoice},
    ControlTemplate{IDC_QUESTION_COUNT, K::Edit, "", 77, 84, 27, 14, kNumberEdit},
    ControlTemplate{IDC_QUESTION_COUNT_SPIN, K::UpDown, "", 104, 84, 11, 14, kBuddySpin},
    ControlTemplate{IDC_QUESTION_COUNT_LABEL, K::Static, "otázek", 109, 87, 22, 8, kLabel},
    ControlTemplate{IDC_STATIC, K::Static, "Časové omezení", 7, 101, 54, 8, kLabel},
    ControlTemplate{IDC_TIME_UNLIMITED, K::Button, "Časově neomezený", 14, 113, 140, 10, kChoice | WS_TABSTOP},
    ControlTemplate{IDC_TIME_LIMITED, K::Button, "Časově omezený", 14, 127, 78, 10, kChoice | WS_TABSTOP},
    ControlTemplate{IDC_MINUTES, K::Edit, "", 96, 125, 27, 14, kNumberEdit},
    ControlTemplate{IDC_STATIC, K::Static, "minut", 127, 127, 18, 8, kLabel},
    ControlTemplate{IDC_STATIC, K::Static, "Kontrolovat odpověď", 7, 141, 68, 8, kLabel},
    ControlTemplate{IDC_CHECK_EACH, K::Button, "Po každé odpovědi", 14, 153, 140, 10, kChoice | WS_GROUP | WS_TABSTOP},
    ControlTemplate{IDC_CHECK_AT_END, K::Button, "Na konci testu", 14, 167, 140, 10, kChoice},
    ControlTemplate{IDOK, K::Button, "OK", 37, 192, 50, 14, kFirstButton},
    ControlTemplate{IDCANCEL, K::Button, "Cancel", 97, 192, 50, 14, kButton},
};

constexpr std::array kWrongAnswerControls{
    ControlTemplate{IDOK, K::Button, "OK", 67, 95, 50, 14, kFirstButton},
    ControlTemplate{IDC_STATIC, K::Static, "! Špatně !", 79, 7, 32, 8, kLabel},
    ControlTemplate{IDC_WRONG_MESSAGE, K::Static, "Static", 7, 21, 172, 67, kLabel},
};

constexpr std::array kResultsControls{
    ControlTemplate{IDOK, K::Button, "Zpět", 93, 93, 50, 14, kFirstButton},
    ControlTemplate{IDC_RESULT_TITLE, K::Static, "Výsledy testu :", 7, 8, 282, 16, kCentredLabel},
    ControlTemplate{IDC_RESULT_COUNT, K::Static, "Počet otazek : 120", 7, 31, 282, 13, kCentredLabel},
    ControlTemplate{IDC_RESULT_RIGHT, K::Static, "Odpovězeno správně : 10", 7, 48, 282, 14, kCentredLabel},
    ControlTemplate{IDC_RESULT_WRONG, K::Static, "Odpovězeno chybně : 10", 7, 65, 282, 14, kCentredLabel},
    ControlTemplate{IDC_CORRECTION_TEST, K::Button, "Opravný test", 151, 93, 50, 14, kButton},
};

constexpr std::array kTemplates{
    DialogTemplate{IDD_ABOUTBOX, "About Navik", "MS Sans Serif", 8, 235, 109, kCaptionDialog, 0, kAboutControls},
    DialogTemplate{IDD_MAIN, "Vůdce maleho plavidla", "Tahoma", 8, 320, 194, kCaptionDialog | WS_VISIBLE, WS_EX_APPWINDOW, kLauncherControls},
    DialogTemplate{IDD_QUESTION, "Vůdce maleho plavidla", "Tahoma", 8, 496, 354, kCaptionDialog, 0, kQuestionControls},
    DialogTemplate{IDD_LEARN_SETTINGS, "Nastavení režimu učení", "MS Sans Serif", 8, 186, 119, kCaptionDialog, 0, kLearnSettingsControls},
    DialogTemplate{IDD_EXAM_SETTINGS, "Nastavení režimu zkoušení", "MS Sans Serif", 8, 186, 213, kCaptionDialog, 0, kExamSettingsControls},
    DialogTemplate{IDD_WRONG_ANSWER, "", "MS Sans Serif", 8, 186, 116, kPopupDialog, 0, kWrongAnswerControls},
    DialogTemplate{IDD_RESULTS, "", "MS Sans Serif", 8, 296, 114, kPopupDialog, 0, kResultsControls},
};
// clang-format on

} // namespace

const DialogTemplate* FindProgramDialogTemplate(UINT id)
{
    for (const auto& dialog : kTemplates) {
        if (dialog.id == id)
            return &dialog;
    }
    return nullptr;
}
