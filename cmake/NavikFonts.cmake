# The faces the dialogs are laid out with, copied into the portable folder's fonts/ with their
# licences; the program registers them for itself at start-up. Wine's Tahoma stands for the
# dialogs' "Tahoma" and "MS Sans Serif", Liberation Sans for "Arial". The program draws no italics.
set(NAVIK_WINE_FONTS_DIR /usr/share/wine/fonts CACHE PATH "Wine's Tahoma (Debian package fonts-wine)")
set(NAVIK_LIBERATION_FONTS_DIR /usr/share/fonts/truetype/liberation
    CACHE PATH "Liberation Sans (Debian package fonts-liberation)")

set(NAVIK_FONT_FILES
    ${NAVIK_WINE_FONTS_DIR}/tahoma.ttf
    ${NAVIK_WINE_FONTS_DIR}/tahomabd.ttf
    ${NAVIK_LIBERATION_FONTS_DIR}/LiberationSans-Regular.ttf
    ${NAVIK_LIBERATION_FONTS_DIR}/LiberationSans-Bold.ttf
)
# Each package's copyright file, and the licence texts they refer to.
set(NAVIK_FONT_LICENCES
    /usr/share/doc/fonts-wine/copyright:fonts-wine.copyright
    /usr/share/doc/fonts-liberation/copyright:fonts-liberation.copyright
    /usr/share/common-licenses/LGPL-2.1:LGPL-2.1
    /usr/share/common-licenses/GPL-2:GPL-2
)

foreach(font IN LISTS NAVIK_FONT_FILES)
    if(NOT EXISTS ${font})
        message(FATAL_ERROR "${font} is missing: install the Debian packages fonts-wine and fonts-liberation")
    endif()
    get_filename_component(name ${font} NAME)
    configure_file(${font} ${NAVIK_DIST_DIR}/fonts/${name} COPYONLY)
endforeach()
foreach(entry IN LISTS NAVIK_FONT_LICENCES)
    string(REPLACE ":" ";" entry ${entry})
    list(GET entry 0 source)
    list(GET entry 1 name)
    if(NOT EXISTS ${source})
        message(FATAL_ERROR "${source}, the licence of a bundled font, is missing")
    endif()
    configure_file(${source} ${NAVIK_DIST_DIR}/fonts/${name} COPYONLY)
endforeach()
configure_file(${PROJECT_SOURCE_DIR}/data/fonts/README ${NAVIK_DIST_DIR}/fonts/README COPYONLY)
