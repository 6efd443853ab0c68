# lumivex_package_docs(PACKAGE COMPONENT): a Debian package's copyright and compressed
# changelog, in /usr/share/doc/PACKAGE, as part of that package's component.
function(lumivex_package_docs package component)
  set(PACKAGE ${package})
  set(dir ${CMAKE_CURRENT_BINARY_DIR}/${package}-doc)
  configure_file(${PROJECT_SOURCE_DIR}/share/changelog.in ${dir}/changelog @ONLY)
  add_custom_command(OUTPUT ${dir}/changelog.gz
    COMMAND gzip -9nc changelog > changelog.gz
    DEPENDS ${dir}/changelog
    WORKING_DIRECTORY ${dir})
  add_custom_target(${package}_changelog ALL DEPENDS ${dir}/changelog.gz)
  install(FILES ${PROJECT_SOURCE_DIR}/share/copyright ${dir}/changelog.gz
          DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/${package} COMPONENT ${component})
endfunction()
