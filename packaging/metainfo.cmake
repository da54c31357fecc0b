# cmake -DIN=metainfo.xml.in -DAPP_ID=id -DCHANGELOG=changelog -DSCREENSHOT=file.png
#       -DOUT=id.metainfo.xml -P metainfo.cmake
# Writes the AppStream metadata: the id, the screenshot's size read from its
# PNG header, and one <release> per entry of the Debian changelog (newest
# first, as the changelog lists them), so that the releases are written once.

# The PNG signature (8 bytes) and the IHDR chunk's length and type (8 bytes)
# come before the width and the height, 4 bytes each, most significant first.
file(READ ${SCREENSHOT} size OFFSET 16 LIMIT 8 HEX)
string(SUBSTRING "${size}" 0 8 width)
string(SUBSTRING "${size}" 8 8 height)
math(EXPR SCREENSHOT_WIDTH "0x${width}")
math(EXPR SCREENSHOT_HEIGHT "0x${height}")

# The changelog's lines as a list: its own ";" stand in as a control
# character until each item is written out as XML text.
string(ASCII 1 semicolon)
file(READ ${CHANGELOG} text)
string(REPLACE ";" "${semicolon}" text "${text}")
string(REPLACE "\n" ";" lines "${text}")

function(append_item)
    if(item STREQUAL "")
        return()
    endif()
    string(REPLACE "&" "&amp;" xml "${item}")
    string(REPLACE "<" "&lt;" xml "${xml}")
    string(REPLACE ">" "&gt;" xml "${xml}")
    string(REPLACE "${semicolon}" "&#59;" xml "${xml}")
    set(items "${items}          <li>${xml}</li>\n" PARENT_SCOPE)
endfunction()

set(months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
set(RELEASES "")
set(items "")
set(item "")
foreach(line IN LISTS lines)
    if(line MATCHES "^[a-z0-9][a-z0-9.+-]* \\(([^)]+)\\)")
        # "chromanick (6.0.0-1) unstable": the upstream version, without the
        # epoch and the Debian revision.
        string(REGEX REPLACE "^[0-9]+:" "" version "${CMAKE_MATCH_1}")
        string(REGEX REPLACE "-[^-]*$" "" version "${version}")
    elseif(line MATCHES "^  \\* (.*)$")
        append_item()
        set(item "${CMAKE_MATCH_1}")
    elseif(line MATCHES "^    +(.*)$")
        string(APPEND item " ${CMAKE_MATCH_1}")
    elseif(line MATCHES "^ -- .*  [A-Z][a-z][a-z], ([0-9][0-9]?) ([A-Z][a-z][a-z]) ([0-9]+) ")
        append_item()
        set(item "")
        set(day ${CMAKE_MATCH_1})
        set(year ${CMAKE_MATCH_3})
        list(FIND months ${CMAKE_MATCH_2} month)
        math(EXPR month "${month} + 1")
        if(day MATCHES "^[0-9]$")
            set(day "0${day}")
        endif()
        if(month LESS 10)
            set(month "0${month}")
        endif()
        string(APPEND RELEASES "    <release version=\"${version}\" date=\"${year}-${month}-${day}\">\n"
            "      <description>\n        <ul>\n${items}        </ul>\n      </description>\n"
            "    </release>\n")
        set(items "")
    endif()
endforeach()
if(RELEASES STREQUAL "")
    message(FATAL_ERROR "${CHANGELOG}: no entry")
endif()
string(REGEX REPLACE "\n$" "" RELEASES "${RELEASES}")
configure_file(${IN} ${OUT} @ONLY)
