# A saved feed document through corvane-feed --once, then corvane-script connects by VID and
# shows the station, the QNH, both traffic lists and an analysis; and the exit statuses.
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}/home/DATA")
file(COPY "${SOURCE}/data/DATA/ssr_code.txt" "${SOURCE}/data/DATA/airlines.dat"
     DESTINATION "${WORK}/home/DATA")
file(WRITE "${WORK}/home/DATA/dirRecent.txt" "${WORK}/home/live/recent.dat\r\n")
file(WRITE "${WORK}/home/DATA/dirSidStar.txt" "${SOURCE}/data/SIDSTARS\r\n")
set(document "${SOURCE}/tests/data/feed/whazzup.json")

function(expect_feed expected_status expected_stderr_regex)
    execute_process(COMMAND "${FEED}" ${ARGN} RESULT_VARIABLE status ERROR_VARIABLE err
                    OUTPUT_QUIET)
    if(NOT status EQUAL expected_status OR NOT err MATCHES "${expected_stderr_regex}")
        message(FATAL_ERROR "corvane-feed ${ARGN}: status ${status}, stderr:\n${err}")
    endif()
endfunction()

function(expect_text dump name expected)
    string(JSON value GET "${dump}" text "${name}")
    if(NOT value STREQUAL expected)
        message(FATAL_ERROR "${name} is '${value}', expected '${expected}'")
    endif()
endfunction()

# The dump's departure and arrival lists, as compact JSON arrays one after the other.
function(expect_lists dump expected)
    string(JSON departures GET "${dump}" items LstDeparture)
    string(JSON arrivals GET "${dump}" items LstArrival)
    string(REGEX REPLACE "[ \n]" "" lists "${departures}${arrivals}")
    if(NOT lists STREQUAL expected)
        message(FATAL_ERROR "traffic lists: ${lists}, expected ${expected}")
    endif()
endfunction()

# Runs the driver on the program folder `home` with the script `script_text`; its dumps, one a
# list item, go to `result`.
function(drive home script_text result)
    file(WRITE "${WORK}/script.txt" "${script_text}")
    execute_process(COMMAND "${DRIVER}" --home "${home}" "${WORK}/script.txt"
                    RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "corvane-script: status ${status}\n${err}")
    endif()
    string(REPLACE "\n" ";" dumps "${out}")
    set(${result} "${dumps}" PARENT_SCOPE)
endfunction()

expect_feed(2 "^corvane-feed: --out FILE is required\nUsage:" --once)
expect_feed(2 "refused" --out "${WORK}/r.dat" --url http://127.0.0.1:9/ --interval 5)
file(WRITE "${WORK}/broken.json" "{\"clients\": {\"pilots\": [")
expect_feed(1 "^corvane-feed: the feed is not a JSON document\n$"
            --once --from "${WORK}/broken.json" --out "${WORK}/r.dat")
expect_feed(1 "^corvane-feed: cannot read [^\n]*missing.json\n$"
            --once --from "${WORK}/missing.json" --out "${WORK}/r.dat")
if(EXISTS "${WORK}/r.dat")
    message(FATAL_ERROR "a failed read must not write a snapshot")
endif()

# The shipped airport table places the aerodromes.
expect_feed(0 "" --once --from "${document}" --out "${WORK}/home/live/recent.dat")

drive("${WORK}/home" "clock 16:05\nstart\ntype TxtOperatorName 654321\nclick CmdExecute\ndump\n\
click Command3(1)\npick LstDeparture DLH4AB\nclick Command3(3)\npick LstArrival AFR1234\ndump\n"
      dumps)
list(GET dumps 0 connected)
list(GET dumps 1 analysed)
string(JSON messages GET "${connected}" messages)
if(NOT messages STREQUAL "[]")
    message(FATAL_ERROR "connect messages: ${messages}")
endif()
expect_text("${connected}" LblPositionName "EDDF_TWR")
expect_text("${connected}" LblRating "ADC : Aerodrome Controller")
expect_text("${connected}" lblQNH "1019")
expect_text("${connected}" lblPollici "30.09")
expect_text("${connected}" lblTL "60")
expect_lists("${connected}" "[\"DLH4AB\"][\"AFR1234\"]")
expect_text("${analysed}" lblCompanyDep "Lufthansa")
expect_text("${analysed}" lblPosDep "ON THE GROUND")
expect_text("${analysed}" LblExpSid "SOBRA2L")
expect_text("${analysed}" LblDistanceFP "517")
expect_text("${analysed}" lblCompanyArr "Air France")
expect_text("${analysed}" lblPosArr "APPROACHING")
expect_text("${analysed}" lblExpStar "KERAX4A")
expect_text("${analysed}" lblSqAss "0102")
expect_text("${analysed}" lblParArr "N O R M A L")

# A station name that is not ASCII reaches the window whole.
drive("${WORK}/home" "start\ntype TxtOperatorName 512345\nclick CmdExecute\ndump\n" dumps)
expect_text("${dumps}" LblPositionName "LFMM_CTR")
expect_text("${dumps}" LblNomeApt "Marseille Méditerranée")

# A centre controller: the shipped FIR table gives each aircraft the FIRs of its position, its
# departure and its arrival, and LIRR_NE_CTR lists those in LIRR that leave from or land in it.
file(MAKE_DIRECTORY "${WORK}/centre/DATA")
file(COPY "${SOURCE}/data/DATA/ssr_code.txt" "${SOURCE}/data/DATA/airlines.dat"
     DESTINATION "${WORK}/centre/DATA")
file(WRITE "${WORK}/centre/DATA/dirRecent.txt" "${WORK}/centre/live/recent.dat\r\n")
expect_feed(0 "" --once --from "${SOURCE}/tests/data/feed/centre.json"
            --out "${WORK}/centre/live/recent.dat")
drive("${WORK}/centre" "start\ntype TxtOperatorName 611111\nclick CmdExecute\ndump\n\
click Command3(1)\npick LstDeparture AZA101\nclick Command3(3)\npick LstArrival AZA202\ndump\n"
      dumps)
list(GET dumps 0 connected)
list(GET dumps 1 analysed)
expect_text("${connected}" LblPositionName "LIRR_NE_CTR")
expect_lists("${connected}" "[\"AZA101\",\"AZA303\"][\"AZA202\",\"AZA303\"]")
expect_text("${analysed}" lblNear "LIRF")
expect_text("${analysed}" lblCtrDep "LIRR")
expect_text("${analysed}" lblNearArr "LIRV")
expect_text("${analysed}" lblCtrArr "LIRR")
