# The build's date and time as the compiler spells __DATE__ and __TIME__ ("Dec  1 2026", "14:03:22"),
# which the status bar, the About window and the simulated unit show. A distribution's build sets
# SOURCE_DATE_EPOCH so that two builds of one source give the same programs: then the date is that
# moment's, fixed when the build is configured, and no source reads the compiler's clock (Debian's
# -Wdate-time warns about __DATE__). Without it the compiler's own macros stand in the generated header.
function(zarvex1_build_stamp date_var time_var)
    if(DEFINED ENV{SOURCE_DATE_EPOCH})
        # string(TIMESTAMP) takes the moment from SOURCE_DATE_EPOCH itself.
        string(TIMESTAMP month "%b" UTC)
        string(TIMESTAMP day "%d" UTC)
        string(TIMESTAMP year "%Y" UTC)
        string(TIMESTAMP time "%H:%M:%S" UTC)
        # __DATE__ pads a day below 10 with a space, not a zero.
        string(REGEX REPLACE "^0" " " day "${day}")
        set(${date_var} "\"${month} ${day} ${year}\"" PARENT_SCOPE)
        set(${time_var} "\"${time}\"" PARENT_SCOPE)
    else()
        set(${date_var} __DATE__ PARENT_SCOPE)
        set(${time_var} __TIME__ PARENT_SCOPE)
    endif()
endfunction()
