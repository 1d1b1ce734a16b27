# The sanitizer settings every test and fuzz process runs with in a GLOSSMERE_SANITIZE build,
# as CTest ENVIRONMENT entries in GLOSSMERE_SANITIZER_ENVIRONMENT (empty otherwise).
#
# Any finding ends the process with an error, so the test fails: the build already stops
# undefined behaviour at the first report (-fno-sanitize-recover=all), and leaks are checked
# at exit. The suppression files beside this one name only code of system libraries; see the
# comments in them for what each entry covers and why.
set(GLOSSMERE_SANITIZER_ENVIRONMENT)
if(GLOSSMERE_SANITIZE)
    set(GLOSSMERE_SANITIZER_ENVIRONMENT
        "ASAN_OPTIONS=detect_leaks=1:detect_stack_use_after_return=1:check_initialization_order=1:strict_init_order=1:detect_odr_violation=2:handle_abort=1:symbolize=1"
        "LSAN_OPTIONS=suppressions=${CMAKE_CURRENT_LIST_DIR}/lsan.supp:print_suppressions=0"
        "UBSAN_OPTIONS=suppressions=${CMAKE_CURRENT_LIST_DIR}/ubsan.supp:print_stacktrace=1:halt_on_error=1")
endif()
