# `cmake --install`: the two programs, the icon, the desktop entry, Dolphin's service
# menu and Nemo's action, the manual pages, the shell completions, the software centre's
# data, the copyright and the changelog, in the usual places below the prefix.
include(GNUInstallDirs)

set(morvane_resources ${CMAKE_CURRENT_LIST_DIR}/../resources)
set(morvane_generated ${CMAKE_CURRENT_BINARY_DIR}/generated)

# Compressed as Debian's tools compress them (-n: no name or time inside, so the same
# text always gives the same bytes).
function(morvane_gzip file)
  execute_process(COMMAND gzip -9nkf ${file} RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "gzip could not compress ${file}")
  endif()
endfunction()

# The manual pages and the software centre's data carry the version and its date.
foreach(page morvane.1 morvane-batch.1)
  configure_file(${morvane_resources}/${page} ${morvane_generated}/man/${page} @ONLY)
  morvane_gzip(${morvane_generated}/man/${page})
endforeach()
configure_file(${morvane_resources}/morvane.metainfo.xml.in
               ${morvane_generated}/metainfo/${MORVANE_APP_ID}.metainfo.xml @ONLY)
set(MORVANE_METAINFO_FILE ${morvane_generated}/metainfo/${MORVANE_APP_ID}.metainfo.xml)

# The changelog's entry is signed by the package's maintainer on the release date.
execute_process(COMMAND date -u -R -d ${MORVANE_RELEASE_DATE}
                OUTPUT_VARIABLE MORVANE_RELEASE_DATE_RFC2822 OUTPUT_STRIP_TRAILING_WHITESPACE
                RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "date cannot read the release date ${MORVANE_RELEASE_DATE}")
endif()
configure_file(${morvane_resources}/debian/changelog.in ${morvane_generated}/doc/changelog @ONLY)
morvane_gzip(${morvane_generated}/doc/changelog)

install(TARGETS morvane morvane-batch RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# A stripped install (cpack, `cmake --install --strip`) also drops the compiler's note of
# itself, which only makes the programs larger.
install(CODE "
  if(CMAKE_INSTALL_DO_STRIP)
    foreach(program morvane morvane-batch)
      execute_process(COMMAND \"${CMAKE_OBJCOPY}\" --remove-section=.comment
                      \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/\${program}\"
                      RESULT_VARIABLE failed)
      if(failed)
        message(FATAL_ERROR \"objcopy could not drop the .comment section of \${program}\")
      endif()
    endforeach()
  endif()")
install(FILES ${morvane_resources}/morvane.svg
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/icons/hicolor/scalable/apps)
install(FILES ${morvane_resources}/morvane.png
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/icons/hicolor/256x256/apps)
install(FILES ${morvane_resources}/morvane.desktop DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/applications)
install(FILES ${morvane_resources}/kio/morvane-rename.desktop
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/kio/servicemenus)
install(FILES ${morvane_resources}/nemo/morvane-rename.nemo_action
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/nemo/actions)
install(FILES ${morvane_resources}/debian/copyright ${morvane_generated}/doc/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DOCDIR})
install(FILES ${MORVANE_METAINFO_FILE} DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/metainfo)
install(FILES ${morvane_generated}/man/morvane.1.gz ${morvane_generated}/man/morvane-batch.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

# Shell completions, where each shell looks for them. zsh looks in vendor-completions
# below /usr (Debian's packages) and in site-functions below /usr/local.
install(FILES ${morvane_resources}/completions/morvane-batch.bash
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/bash-completion/completions RENAME morvane-batch)
install(FILES ${morvane_resources}/completions/morvane.bash
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/bash-completion/completions RENAME morvane)
if(CMAKE_INSTALL_PREFIX STREQUAL "/usr")
  set(morvane_zsh_completions ${CMAKE_INSTALL_DATAROOTDIR}/zsh/vendor-completions)
else()
  set(morvane_zsh_completions ${CMAKE_INSTALL_DATAROOTDIR}/zsh/site-functions)
endif()
install(FILES ${morvane_resources}/completions/_morvane-batch ${morvane_resources}/completions/_morvane
        DESTINATION ${morvane_zsh_completions})
install(FILES ${morvane_resources}/completions/morvane-batch.fish ${morvane_resources}/completions/morvane.fish
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/fish/vendor_completions.d)

# The marker tells the programs that they run from an installation, so they keep the
# user's files in the user's configuration folder even when the bin folder is writable.
# Its place beside bin is fixed (<bin>/../share/morvane), whatever DATAROOTDIR says.
install(FILES ${morvane_resources}/installed DESTINATION share/morvane)
