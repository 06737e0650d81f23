# The suite's home folder, which every test gets as HOME and none may change, and the scratch
# folders where each test's programs keep their settings, caches and data.
#   cmake -DMODE=setup -DHOME_DIR=... -DSCRATCH_DIR=... -P scratch_home.cmake
#       makes both afresh, with a home that holds what a player's would, and notes its contents,
#       and the runtime folder that the tests share;
#   cmake -DMODE=check -DHOME_DIR=... -DSCRATCH_DIR=... -DCTEST=... -DBUILD_DIR=... -P scratch_home.cmake
#       after the run: the home is as it was noted, every test was given it and a temporary
#       folder and session bus of the suite's own, nothing the suite started still runs, and
#       nothing it made is left in the temporary folders.
cmake_minimum_required(VERSION 3.25)
set(fingerprint_file "${HOME_DIR}.contents")

# Every file and folder under the home, with each file's contents.
function(home_contents out)
    file(GLOB_RECURSE entries LIST_DIRECTORIES true RELATIVE "${HOME_DIR}" "${HOME_DIR}/*")
    list(SORT entries)
    set(contents "")
    foreach(entry IN LISTS entries)
        if(IS_DIRECTORY "${HOME_DIR}/${entry}")
            string(APPEND contents "${entry}/\n")
        else()
            file(SHA256 "${HOME_DIR}/${entry}" hash)
            string(APPEND contents "${entry} ${hash}\n")
        endif()
    endforeach()
    set(${out} "${contents}" PARENT_SCOPE)
endfunction()

if(MODE STREQUAL "setup")
    file(REMOVE_RECURSE "${HOME_DIR}" "${SCRATCH_DIR}")
    # The settings a player's home would hold: a test that reaches them changes them.
    file(WRITE "${HOME_DIR}/.config/Local AppWizard-Generated Applications/Zeltaro.conf"
        "[Recent%20File%20List]\nFile1=${HOME_DIR}/game\n")
    file(WRITE "${HOME_DIR}/.config/QtProject.conf" "[FileDialog]\nhistory=${HOME_DIR}\n")
    file(MAKE_DIRECTORY "${HOME_DIR}/.cache" "${HOME_DIR}/.local/share" "${HOME_DIR}/.local/state"
        "${SCRATCH_DIR}/runtime" "${SCRATCH_DIR}/tmp")
    # The runtime folder is private to its user, or Qt will not use it.
    file(CHMOD "${SCRATCH_DIR}/runtime" DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)
    home_contents(contents)
    file(WRITE "${fingerprint_file}" "${contents}")
elseif(MODE STREQUAL "check")
    set(failures "")
    home_contents(now)
    file(READ "${fingerprint_file}" before)
    if(NOT now STREQUAL before)
        string(APPEND failures "the home changed; before:\n${before}now:\n${now}")
    endif()
    execute_process(COMMAND "${CTEST}" --show-only=json-v1 WORKING_DIRECTORY "${BUILD_DIR}"
        OUTPUT_VARIABLE json COMMAND_ERROR_IS_FATAL ANY)
    string(JSON count LENGTH "${json}" tests)
    math(EXPR last "${count} - 1")
    foreach(i RANGE ${last})
        string(JSON name GET "${json}" tests ${i} name)
        # The test's ENVIRONMENT property alone, as ctest lists it: its name, then its values up to
        # the bracket that closes them.
        string(JSON properties ERROR_VARIABLE none GET "${json}" tests ${i} properties)
        string(REGEX MATCH "\"name\" : \"ENVIRONMENT\",[^]]*" environment "${properties}")
        foreach(variable IN ITEMS "HOME=${HOME_DIR}" XDG_CONFIG_HOME XDG_DATA_HOME
                XDG_CACHE_HOME XDG_STATE_HOME XDG_RUNTIME_DIR "TMPDIR=${SCRATCH_DIR}/tmp"
                DBUS_SESSION_BUS_ADDRESS)
            string(FIND "${environment}" "\"${variable}" at)
            if(at EQUAL -1)
                string(APPEND failures "${name} runs without ${variable}\n")
            endif()
        endforeach()
    endforeach()
    # Every process of the suite carries its home; this check and its own children do not look.
    execute_process(COMMAND env -u HOME sh -c [[
        for environ in /proc/[0-9]*/environ; do
            pid=${environ#/proc/} pid=${pid%/environ}
            [ "$pid" != "$PPID" ] && tr '\0' '\n' 2>/dev/null <"$environ" | grep -qxF "HOME=$1" &&
                echo "  $pid: $(tr '\0' ' ' 2>/dev/null <"/proc/$pid/cmdline")"
        done
        true]] sh "${HOME_DIR}" OUTPUT_VARIABLE running COMMAND_ERROR_IS_FATAL ANY)
    if(running)
        string(APPEND failures "still running after the suite:\n${running}")
    endif()
    file(GLOB left LIST_DIRECTORIES true "${SCRATCH_DIR}/tmp/*" "${SCRATCH_DIR}/tmp/.*")
    # The X servers' sockets and locks are made in /tmp whatever TMPDIR says; one left there
    # since the suite began belongs to a server that was not ended.
    file(GLOB locks "/tmp/.X*-lock")
    foreach(lock IN LISTS locks)
        file(STRINGS "${lock}" pid LIMIT_COUNT 1)
        string(STRIP "${pid}" pid)
        if("${lock}" IS_NEWER_THAN "${fingerprint_file}" AND NOT EXISTS "/proc/${pid}")
            list(APPEND left "${lock}")
        endif()
    endforeach()
    if(left)
        list(JOIN left "\n  " left)
        string(APPEND failures "left behind by the suite:\n  ${left}\n")
    endif()
    if(failures)
        message(FATAL_ERROR "${failures}")
    endif()
    message(STATUS "the home is as it was, and all ${count} tests were given it")
else()
    message(FATAL_ERROR "MODE is setup or check, not '${MODE}'")
endif()
