// Writes the program's icon, drawn from its artwork as the windows draw it at run time, into
// an .ico file for the resource script: navik_icon_file <output>. Runs under Wine at build
// time when cross-building.

#include "framework/win32/Artwork.h"
#include "framework/win32/gdiplus/GdiplusFlat.h"
#include "res/ProgramResources.h"
#include "res/resource.h"

#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: navik_icon_file <output.ico>\n");
        return 2;
    }
    RegisterResources(ProgramResources());
    GdiplusFlat::GdiplusStartupInput input;
    ULONG_PTR token = 0;
    if (GdiplusFlat::GdiplusStartup(&token, &input, nullptr) != GdiplusFlat::Ok)
        return 1;
    const std::string file = Artwork::IconFile(IDR_MAINFRAME, {16, 24, 32, 48, 64});
    GdiplusFlat::GdiplusShutdown(token);
    if (file.empty())
        return 1;
    std::FILE* out = std::fopen(argv[1], "wb");
    if (!out)
        return 1;
    const bool written = std::fwrite(file.data(), 1, file.size(), out) == file.size();
    return std::fclose(out) == 0 && written ? 0 : 1;
}
