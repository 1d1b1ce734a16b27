# Run by cpack (CPACK_PRE_BUILD_SCRIPTS) between the install into its staging folder and the
# making of the package. install() sets the modes of the files it copies, but a directory made
# on the way gets what the umask of whoever runs cpack leaves; the package's directories must
# be 0755 whatever that umask is.
file(GLOB_RECURSE entries LIST_DIRECTORIES true "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*")
foreach(entry IN LISTS entries)
    if(IS_DIRECTORY "${entry}" AND NOT IS_SYMLINK "${entry}")
        file(CHMOD "${entry}" PERMISSIONS
            OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
    endif()
endforeach()
