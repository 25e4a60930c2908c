# Building for Windows with mingw-w64 against the static Qt that
# scripts/windows-qt.sh makes: one self-contained .exe per program.

# The mingw runtime (libstdc++, libgcc, winpthread) goes inside each .exe.
add_link_options(-static -static-libgcc -static-libstdc++)
# The host's resource compiler may pack with zstd, which this Qt cannot unpack.
set(CMAKE_AUTORCC_OPTIONS --no-zstd)
# zlib from Debian's mingw package, linked in statically.
set(ZLIB_USE_STATIC_LIBS ON)

# GoogleTest from Debian's source copy, built with the same compiler (it names
# its targets GTest::gtest and GTest::gtest_main itself).
if(PELMOR_TESTS)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  # Plain C++: no Qt code generators for it.
  set(CMAKE_AUTOMOC OFF)
  set(CMAKE_AUTORCC OFF)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
  set(CMAKE_AUTOMOC ON)
  set(CMAKE_AUTORCC ON)
endif()

# The Polish translations of Qt's own texts go into the program: a static
# build has no translations folder to load them from.
set(PELMOR_QT_TRANSLATIONS_DIR /usr/share/qt6/translations CACHE PATH "Where qtbase_pl.qm and qtserialport_pl.qm are")

# Adds the Qt translations resource to a target.
function(pelmor_embed_qt_translations target)
  set(files "")
  foreach(name qtbase_pl qtserialport_pl)
    set(src ${PELMOR_QT_TRANSLATIONS_DIR}/${name}.qm)
    if(NOT EXISTS ${src})
      message(FATAL_ERROR "${src} is missing: install qt6-translations-l10n")
    endif()
    configure_file(${src} ${CMAKE_CURRENT_BINARY_DIR}/translations/${name}.qm COPYONLY)
    list(APPEND files ${CMAKE_CURRENT_BINARY_DIR}/translations/${name}.qm)
  endforeach()
  qt_add_resources(${target} pelmor_qt_translations PREFIX / BASE ${CMAKE_CURRENT_BINARY_DIR} OPTIONS --no-zstd FILES
    ${files})
endfunction()

# The window program: no console, the program icon and version information.
function(pelmor_windows_program target description)
  set(PELMOR_RC_DESCRIPTION ${description})
  set(PELMOR_RC_FILE ${target}.exe)
  string(REPLACE "." "," PELMOR_RC_VERSION_COMMAS "${PROJECT_VERSION}")
  set(PELMOR_RC_ICON ${PELMOR_WINDOWS_ICON})
  configure_file(${PROJECT_SOURCE_DIR}/packaging/windows/program.rc.in ${CMAKE_CURRENT_BINARY_DIR}/${target}.rc @ONLY)
  target_sources(${target} PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/${target}.rc)
endfunction()

# The program icon: the same pictures the desktop entry uses, in one .ico.
file(GLOB PELMOR_ICON_PNGS ${PROJECT_SOURCE_DIR}/packaging/icons/*.png)
if(NOT PELMOR_ICON_PNGS)
  message(FATAL_ERROR "no program icon pictures in packaging/icons")
endif()
set(PELMOR_WINDOWS_ICON ${CMAKE_BINARY_DIR}/pelmor.ico)
find_package(Python3 REQUIRED COMPONENTS Interpreter)
execute_process(COMMAND ${Python3_EXECUTABLE} ${PROJECT_SOURCE_DIR}/scripts/make-ico.py ${PELMOR_WINDOWS_ICON}
                        ${PELMOR_ICON_PNGS} COMMAND_ERROR_IS_FATAL ANY)
set_property(DIRECTORY ${PROJECT_SOURCE_DIR} APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PELMOR_ICON_PNGS})

# make windows: the installer and the zip for use without installing.
find_program(PELMOR_MINGW_STRIP x86_64-w64-mingw32-strip REQUIRED)
find_program(PELMOR_MAKENSIS makensis)
find_program(PELMOR_ZIP zip)
function(pelmor_windows_package)
  set(stage ${CMAKE_BINARY_DIR}/stage/Pelmor-${PROJECT_VERSION})
  set(setup ${CMAKE_BINARY_DIR}/pelmor-setup-${PROJECT_VERSION}.exe)
  set(archive ${CMAKE_BINARY_DIR}/pelmor-${PROJECT_VERSION}-windows.zip)
  set(nsi ${PROJECT_SOURCE_DIR}/packaging/windows/pelmor.nsi)
  configure_file(${PROJECT_SOURCE_DIR}/packaging/windows/README.txt.in ${CMAKE_BINARY_DIR}/README.txt @ONLY
                 NEWLINE_STYLE CRLF)
  if(NOT PELMOR_MAKENSIS OR NOT PELMOR_ZIP)
    message(STATUS "makensis or zip missing: no windows-package target")
    return()
  endif()
  add_custom_command(OUTPUT ${setup} ${archive}
    COMMAND ${CMAKE_COMMAND} -E rm -rf ${CMAKE_BINARY_DIR}/stage ${archive}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${stage}
    COMMAND ${PELMOR_MINGW_STRIP} -o ${stage}/pelmor.exe $<TARGET_FILE:pelmor>
    COMMAND ${PELMOR_MINGW_STRIP} -o ${stage}/pelmor-cli.exe $<TARGET_FILE:pelmor-cli>
    COMMAND ${CMAKE_COMMAND} -E copy ${PELMOR_WINDOWS_ICON} ${stage}/pelmor.ico
    COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_BINARY_DIR}/README.txt ${stage}/README.txt
    COMMAND ${PELMOR_MAKENSIS} -V2 -INPUTCHARSET UTF8 -DVERSION=${PROJECT_VERSION} -DSTAGE=${stage}
            -DOUTFILE=${setup} ${nsi}
    COMMAND ${CMAKE_COMMAND} -E chdir ${CMAKE_BINARY_DIR}/stage ${PELMOR_ZIP} -q -X -r ${archive}
            Pelmor-${PROJECT_VERSION}
    DEPENDS pelmor pelmor-cli ${nsi} ${CMAKE_BINARY_DIR}/README.txt
    COMMENT "Installer and zip for Windows"
    VERBATIM)
  add_custom_target(windows-package DEPENDS ${setup} ${archive})
endfunction()

# Every test program of the folder and its sub-folders gets Qt's offscreen
# platform linked in: a static Qt loads no plugins at run time, and only the
# Windows platform is linked by default.
function(pelmor_import_offscreen_platform dir)
  get_property(targets DIRECTORY ${dir} PROPERTY BUILDSYSTEM_TARGETS)
  foreach(target IN LISTS targets)
    get_target_property(type ${target} TYPE)
    if(type STREQUAL "EXECUTABLE")
      qt_import_plugins(${target} INCLUDE Qt6::QOffscreenIntegrationPlugin)
    endif()
  endforeach()
  get_property(subdirs DIRECTORY ${dir} PROPERTY SUBDIRECTORIES)
  foreach(sub IN LISTS subdirs)
    pelmor_import_offscreen_platform(${sub})
  endforeach()
endfunction()
