# cmake -P build_stamp_test.cmake: the build's date and time from SOURCE_DATE_EPOCH are spelled as
# __DATE__ and __TIME__ spell them (a day below 10 padded with a space), in UTC whatever the time zone.
include(${CMAKE_CURRENT_LIST_DIR}/../cmake/BuildStamp.cmake)

set(ENV{TZ} "America/New_York")
foreach(case "1796133802|\"Dec  1 2026\"|\"14:03:22\"" "1796893507|\"Dec 10 2026\"|\"09:05:07\""
             "1767225599|\"Dec 31 2025\"|\"23:59:59\"")
    string(REPLACE "|" ";" case "${case}")
    list(GET case 0 epoch)
    list(GET case 1 want_date)
    list(GET case 2 want_time)
    set(ENV{SOURCE_DATE_EPOCH} ${epoch})
    zarvex1_build_stamp(date time)
    if(NOT date STREQUAL want_date OR NOT time STREQUAL want_time)
        message(FATAL_ERROR "SOURCE_DATE_EPOCH=${epoch}: ${date} ${time}, expected ${want_date} ${want_time}")
    endif()
endforeach()

# Without it the compiler's clock stands in the generated header.
unset(ENV{SOURCE_DATE_EPOCH})
zarvex1_build_stamp(date time)
if(NOT date STREQUAL "__DATE__" OR NOT time STREQUAL "__TIME__")
    message(FATAL_ERROR "without SOURCE_DATE_EPOCH: ${date} ${time}")
endif()
