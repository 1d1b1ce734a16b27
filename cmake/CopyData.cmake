# Copies what the program's data folder holds from data/ into DEST_DIR: the settings
# template, the language files and the help pages. Dictionaries are built from their
# sources by the dictionary tool, not copied.
file(MAKE_DIRECTORY ${DEST_DIR})
file(COPY ${SOURCE_DIR}/settings.ini DESTINATION ${DEST_DIR})
foreach(folder Language help)
    if(EXISTS ${SOURCE_DIR}/${folder})
        file(COPY ${SOURCE_DIR}/${folder} DESTINATION ${DEST_DIR} PATTERN "README.md" EXCLUDE)
    endif()
endforeach()
