#include "framework/base/CString.h"

#include "framework/base/Resources.h"

#include <cstdarg>
#include <cstdio>

void CString::Format(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    va_list measure;
    va_copy(measure, args);
    const int length = std::vsnprintf(nullptr, 0, format, measure);
    va_end(measure);
    if (length < 0) {
        clear();
    } else {
        std::string out(std::size_t(length) + 1, '\0');
        std::vsnprintf(out.data(), out.size(), format, args);
        out.resize(std::size_t(length));
        assign(std::move(out));
    }
    va_end(args);
}

int CString::ReverseFind(char ch) const
{
    const auto pos = rfind(ch);
    return pos == npos ? -1 : int(pos);
}

CString CString::Left(int count) const
{
    if (count <= 0)
        return {};
    return CString(substr(0, std::size_t(count)));
}

BOOL CString::LoadString(UINT id)
{
    const char* text = LookUpString(id);
    assign(text ? text : "");
    return text != nullptr;
}
