# Makes the manual page and the package's copyright and changelog, each from its one source:
# the page from zeltaro.6.in, the copyright from LICENSE, the changelog from the releases that
# the metainfo lists. The compressed files carry no name or time, so every build is the same.
# Usage: cmake -DSOURCE_DIR=... -DOUT=... -DVERSION=... -DCONTACT=... -DHOMEPAGE=... -P DebianDocs.cmake
cmake_minimum_required(VERSION 3.25)

set(metainfo ${SOURCE_DIR}/resources/desktop/org.zeltaro.Zeltaro.metainfo.xml)

# Compresses as Debian wants: the best compression, without the file's name and time.
function(gzip_to file)
    execute_process(COMMAND gzip -9n -c ${file} OUTPUT_FILE ${file}.gz COMMAND_ERROR_IS_FATAL ANY)
endfunction()

# The text as changelog lines: each paragraph a bullet, wrapped before the 80th column.
function(bullets text out)
    set(lines "")
    string(REGEX MATCHALL "<p>[^<]*</p>" paragraphs "${text}")
    foreach(paragraph IN LISTS paragraphs)
        string(REGEX REPLACE "</?p>" "" paragraph "${paragraph}")
        string(REGEX REPLACE "[ \t\n]+" ";" words "${paragraph}")
        set(line "  *")
        foreach(word IN LISTS words)
            string(LENGTH "${line} ${word}" length)
            if(length GREATER 79)
                string(APPEND lines "${line}\n")
                set(line "   ")
            endif()
            string(APPEND line " ${word}")
        endforeach()
        string(APPEND lines "${line}\n")
    endforeach()
    set(${out} "${lines}" PARENT_SCOPE)
endfunction()

# The changelog: one entry for each release, newest first as in the metainfo.
file(READ ${metainfo} xml)
string(REGEX MATCHALL "<release version=\"[^\"]*\" date=\"[^\"]*\">[^<]*<description>[^<]*(<p>[^<]*</p>[^<]*)+</description>"
    releases "${xml}")
if(NOT releases)
    message(FATAL_ERROR "${metainfo} lists no release with a description")
endif()
set(changelog "")
foreach(release IN LISTS releases)
    string(REGEX MATCH "version=\"([^\"]*)\" date=\"([^\"]*)\"" _ "${release}")
    set(version ${CMAKE_MATCH_1})
    set(date ${CMAKE_MATCH_2})
    if(NOT newest_date)
        set(newest_date ${date})
        if(NOT version STREQUAL VERSION)
            message(FATAL_ERROR "the metainfo's newest release is ${version}, the project's ${VERSION}")
        endif()
    endif()
    execute_process(COMMAND date -u -R -d ${date} OUTPUT_VARIABLE when
        OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
    bullets("${release}" lines)
    string(APPEND changelog "zeltaro (${version}) unstable; urgency=medium\n\n${lines}\n"
        " -- ${CONTACT}  ${when}\n\n")
endforeach()
string(STRIP "${changelog}" changelog)
file(WRITE ${OUT}/changelog "${changelog}\n")
gzip_to(${OUT}/changelog)

# The copyright in Debian's machine-readable form; MIT is the license Debian calls Expat.
file(READ ${SOURCE_DIR}/LICENSE license)
if(NOT license MATCHES "\nCopyright \\(c\\) ([^\n]*)\n\n(.*)$")
    message(FATAL_ERROR "LICENSE has no line \"Copyright (c) <year> <holder>\" before its text")
endif()
set(holder "${CMAKE_MATCH_1}")
string(STRIP "${CMAKE_MATCH_2}" terms)
string(REPLACE "\n\n" "\n.\n" terms "${terms}")
string(REPLACE "\n" "\n " terms "${terms}")
file(WRITE ${OUT}/copyright
    "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/\n"
    "Upstream-Name: Zeltaro\n"
    "Upstream-Contact: ${CONTACT}\n"
    "Source: ${HOMEPAGE}\n"
    "\n"
    "Files: *\n"
    "Copyright: ${holder}\n"
    "License: Expat\n"
    "Comment: The MIT License, as the source's LICENSE file gives it.\n"
    "\n"
    "License: Expat\n"
    " ${terms}\n")

# The manual page, dated by the newest release.
set(ZELTARO_RELEASE_DATE ${newest_date})
set(PROJECT_VERSION ${VERSION})
configure_file(${SOURCE_DIR}/doc/zeltaro.6.in ${OUT}/zeltaro.6 @ONLY)
gzip_to(${OUT}/zeltaro.6)
