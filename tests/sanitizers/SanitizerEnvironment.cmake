# The sanitizer settings every test and fuzz process runs with in a GLOSSMERE_SANITIZE build,
# as CTest ENVIRONMENT entries in GLOSSMERE_SANITIZER_ENVIRONMENT (empty otherwise).
#
# Any finding ends the process with an error, so the test fails: the build already stops
# undefined behaviour at the first report (-fno-sanitize-recover=all), and leaks are checked
# at exit. Only code of system libraries is exempt: leaks through lsan.supp, and the checks of
# UndefinedBehaviorSanitizer through ubsan-ignorelist.txt, given to the compiler since a fatal
# report cannot be suppressed at run time. The comments in both files say what each entry
# covers and why.
set(GLOSSMERE_SANITIZER_ENVIRONMENT)
if(GLOSSMERE_SANITIZE)
    set(GLOSSMERE_SANITIZER_ENVIRONMENT
        "ASAN_OPTIONS=detect_leaks=1:detect_stack_use_after_return=1:check_initialization_order=1:strict_init_order=1:detect_odr_violation=2:handle_abort=1:symbolize=1"
        "LSAN_OPTIONS=suppressions=${CMAKE_CURRENT_LIST_DIR}/lsan.supp:print_suppressions=0"
        "UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1")
    # Everything links the foundation, so its public options reach every target. GCC has no ignore
    # list; a GCC sanitizer build reports what the list leaves out.
    if(CMAKE_CXX_COMPILER_ID MATCHES "Clang" AND TARGET glossmere_base)
        target_compile_options(glossmere_base PUBLIC
            -fsanitize-ignorelist=${CMAKE_CURRENT_LIST_DIR}/ubsan-ignorelist.txt)
    endif()
endif()
