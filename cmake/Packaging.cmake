# The Debian package. In a built tree, `cpack -G DEB` (or the `package` target) makes
# glossmere_<version>_<arch>.deb with prefix /usr from the install rules: the two programs, the
# data folder, the desktop entry, the metainfo and the icons, and what Debian asks of every
# package: the copyright file, the changelog and the manual pages.
#
# The version is project()'s alone: the metainfo's newest release, the changelog entry and the
# manual pages are made from the templates under packaging/. For a new version, add a
# changelog entry above the first one using @PROJECT_VERSION@, and write the version that the
# entry below it names out in full.

find_program(GLOSSMERE_GZIP gzip REQUIRED)

# The hardening Debian builds its packages with: checked string and memory functions and
# stack protection in optimized builds (the checks need the optimizer; the sanitized build
# has its own), and the programs' symbols bound at start so their tables can be read-only.
if(NOT GLOSSMERE_SANITIZE)
    foreach(target IN LISTS GLOSSMERE_LAYER_LIBRARIES ITEMS glossmere glossmere-dict)
        target_compile_definitions(${target} PRIVATE $<$<CONFIG:Release,RelWithDebInfo,MinSizeRel>:_FORTIFY_SOURCE=2>)
        target_compile_options(${target} PRIVATE -fstack-protector-strong)
    endforeach()
    target_link_options(glossmere PRIVATE LINKER:-z,relro,-z,now)
    target_link_options(glossmere-dict PRIVATE LINKER:-z,relro,-z,now)
endif()

set(GLOSSMERE_PACKAGING_SOURCE ${PROJECT_SOURCE_DIR}/packaging)
set(GLOSSMERE_PACKAGING_OUTPUT ${PROJECT_BINARY_DIR}/packaging)

configure_file(${GLOSSMERE_PACKAGING_SOURCE}/org.glossmere.Glossmere.metainfo.xml.in
    ${GLOSSMERE_PACKAGING_OUTPUT}/org.glossmere.Glossmere.metainfo.xml @ONLY)
install(FILES ${GLOSSMERE_PACKAGING_OUTPUT}/org.glossmere.Glossmere.metainfo.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# The changelog and the manual pages are installed compressed, without a name or a time in
# the gzip header, so the same sources always give the same package.
set(GLOSSMERE_COMPRESSED_DOCS)
foreach(document changelog man/glossmere.1 man/glossmere-dict.1)
    set(plain ${GLOSSMERE_PACKAGING_OUTPUT}/${document})
    configure_file(${GLOSSMERE_PACKAGING_SOURCE}/${document}.in ${plain} @ONLY)
    add_custom_command(OUTPUT ${plain}.gz
        COMMAND ${GLOSSMERE_GZIP} -n9 --force --keep ${plain}
        DEPENDS ${plain}
        COMMENT "Compressing ${document}"
        VERBATIM)
    list(APPEND GLOSSMERE_COMPRESSED_DOCS ${plain}.gz)
endforeach()
add_custom_target(glossmere_package_docs ALL DEPENDS ${GLOSSMERE_COMPRESSED_DOCS})
install(FILES ${GLOSSMERE_PACKAGING_SOURCE}/copyright ${GLOSSMERE_PACKAGING_OUTPUT}/changelog.gz
    DESTINATION ${CMAKE_INSTALL_DOCDIR})
install(FILES ${GLOSSMERE_PACKAGING_OUTPUT}/man/glossmere.1.gz ${GLOSSMERE_PACKAGING_OUTPUT}/man/glossmere-dict.1.gz
    DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

# cpack strips the programs; Debian also drops the compiler's notes that nothing reads.
install(CODE "
    if(CMAKE_INSTALL_DO_STRIP)
        foreach(program glossmere glossmere-dict)
            execute_process(COMMAND \"${CMAKE_STRIP}\" --remove-section=.comment --remove-section=.note
                \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/\${program}\"
                COMMAND_ERROR_IS_FATAL ANY)
        endforeach()
    endif()")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME glossmere)
set(CPACK_PACKAGE_VENDOR "Glossmere Developers")
set(CPACK_PACKAGE_CONTACT "Glossmere Developers <developers@glossmere.org>")
set(CPACK_PACKAGE_HOMEPAGE_URL https://glossmere.org/)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PRE_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/cmake/PackageModes.cmake)

# A native package: the version has no Debian revision, so the file is
# glossmere_<version>_<arch>.deb and the changelog is changelog.gz.
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries come from dpkg-shlibdeps. The platform plugins are loaded by name at start,
# so no library names them, yet without one the program cannot open a window.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS qt6-qpa-plugins)
# Loaded at run time when present: Qt's own Russian texts (dialog buttons, the file dialog),
# and the speech plugin with the service and voices it drives, which say the words.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
    "qt6-translations-l10n, qt6-speech-speechd-plugin, speech-dispatcher, speech-dispatcher-espeak-ng")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Glossmere helps you learn the words of a foreign language with flash cards.
Open a dictionary, page through its cards to get to know the words, then let
Glossmere drill them in blocks of up to eight through four exercises (choice
of translation, pair matching, recall and typed translation) until every card
is learned.

Glossmere keeps learning statistics, can reset all progress and return removed
cards, and reminds you from the notification area every few minutes or daily.
Its interface is in Russian and English, and ready-made dictionaries come with
it. The glossmere-dict tool makes new dictionaries from CSV files.")

include(CPack)
