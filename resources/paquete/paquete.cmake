# Installing Cifral like any desktop program, and its Debian package
# (scripts/empaquetar): the command `cifral`, the menu entry, the icon in the
# hicolor theme and the AppStream metadata. The help pages and the icon the
# windows show are compiled into the program.
include(GNUInstallDirs)

# The name the desktop knows the program by: the menu entry, the icon and
# the metadata are named after it, and so is the application
# (shell/Arranque.cpp).
set(CIFRAL_ID ar.edu.catedra.cifral)

# The build tree keeps its program Project1; the installed command is cifral.
install(PROGRAMS $<TARGET_FILE:Project1> DESTINATION ${CMAKE_INSTALL_BINDIR}
  RENAME cifral)
# `cmake --install --strip` and the package strip the command as they would
# an installed target.
install(CODE "
  if(CMAKE_INSTALL_DO_STRIP)
    execute_process(COMMAND \"${CMAKE_STRIP}\"
      \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/cifral\"
      COMMAND_ERROR_IS_FATAL ANY)
  endif()")

install(FILES ${CMAKE_CURRENT_LIST_DIR}/${CIFRAL_ID}.desktop
  DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/${CIFRAL_ID}.metainfo.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${CMAKE_SOURCE_DIR}/resources/icono/cifral.svg
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
  RENAME ${CIFRAL_ID}.svg)
foreach(lado 16 32 48 64 128 256)
  install(FILES ${CMAKE_SOURCE_DIR}/resources/icono/cifral-${lado}.png
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${lado}x${lado}/apps
    RENAME ${CIFRAL_ID}.png)
endforeach()
# The manual page and the package's changelog go compressed, as Debian keeps
# them; gzip -n leaves out the time, so the same text makes the same file.
file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/paquete)
foreach(texto cifral.1 changelog)
  execute_process(COMMAND gzip -9nc ${CMAKE_CURRENT_LIST_DIR}/${texto}
    OUTPUT_FILE ${CMAKE_BINARY_DIR}/paquete/${texto}.gz
    COMMAND_ERROR_IS_FATAL ANY)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
    ${CMAKE_CURRENT_LIST_DIR}/${texto})
endforeach()
install(FILES ${CMAKE_BINARY_DIR}/paquete/cifral.1.gz
  DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/copyright
  ${CMAKE_BINARY_DIR}/paquete/changelog.gz
  DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/cifral)

# Packaging installs what is built and builds nothing itself:
# scripts/empaquetar builds the program first, and the package test depends
# on it, so neither waits for the whole test suite to build.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME cifral)
set(CPACK_PACKAGE_VERSION 1.0.0)
set(CPACK_PACKAGE_VENDOR "Cátedra de Arquitectura de Computadoras")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
  "representación de números en punto fijo y punto flotante, paso a paso")
# Debian's long description: lines as they show, a blank line between
# paragraphs.
set(CPACK_PACKAGE_DESCRIPTION [[
Cifral es un programa de escritorio para la materia Arquitectura de
Computadoras. Muestra paso a paso cómo se representan los números en punto
fijo (BSS, BCS, CA1, CA2 y Exceso), en punto flotante con mantisa entera o
fraccionaria y en IEEE 754 simple precisión, con el rango, los límites y el
error de cada conversión, y la suma y la resta en punto flotante.

Cada conversión se puede ver en un informe de una página para imprimir o
guardar en PDF, y cada conversor tiene su página de ayuda. Todo está en
castellano y los decimales se escriben con coma.]])
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER
  "Cátedra de Arquitectura de Computadoras <cifral@catedra.edu.ar>")
# The libraries come from the program itself; the windows and the reports
# are laid out in Arial's metrics, which Liberation Sans has.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS fonts-liberation2)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)

# The package test builds the package from the program of this tree.
if(TARGET tst_shell_paquete)
  add_dependencies(tst_shell_paquete Project1)
  target_compile_definitions(tst_shell_paquete PRIVATE
    CIFRAL_COMPILACION="${CMAKE_BINARY_DIR}"
    CIFRAL_CPACK="${CMAKE_CPACK_COMMAND}")
endif()
