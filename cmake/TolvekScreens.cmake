# Helpers for the screen libraries.

# tolvek_add_screens(<target> FILES Foo.qml ...): each screen's QML file, named
# after its controller class, becomes qrc:/screens/<file name>, where
# ScreenController::viewUrl() finds it. The files sit outside the QML modules, so
# a controller type of the same name (from the library's module) wins over the file.
function(tolvek_add_screens target)
  cmake_parse_arguments(S "" "" "FILES" ${ARGN})
  foreach(file IN LISTS S_FILES)
    get_filename_component(name ${file} NAME)
    set_source_files_properties(${file} PROPERTIES QT_RESOURCE_ALIAS ${name})
  endforeach()
  string(MAKE_C_IDENTIFIER "${target}_screens" resource_name)
  qt_add_resources(${target} ${resource_name} PREFIX /screens FILES ${S_FILES})
  set_property(GLOBAL APPEND PROPERTY TOLVEK_SCREEN_QML ${S_FILES})
endfunction()

# tolvek_add_screen_library(<target> URI <Tolvek.X> SOURCES ... [QML ...] [COMPONENTS ...]
#                           [LIBS ...] [DEPENDS <Tolvek.Y> ...]):
# a static library whose QML_ELEMENT types form the QML module <URI> (register
# them with qml_register_types_<URI with _>() before loading its screens),
# whose screen files are added with tolvek_add_screens, and whose COMPONENTS
# (QML types other screens use, such as UnlockerScene.qml) belong to the module.
# DEPENDS names the modules the library's types derive from, beyond Tolvek.
function(tolvek_add_screen_library target)
  cmake_parse_arguments(L "" "URI" "SOURCES;QML;COMPONENTS;LIBS;DEPENDS" ${ARGN})
  add_library(${target} STATIC)
  target_link_libraries(${target} PUBLIC ${L_LIBS})
  set(components)
  if(L_COMPONENTS)
    set(components QML_FILES ${L_COMPONENTS})
  endif()
  qt_add_qml_module(${target}
    URI ${L_URI}
    VERSION 1.0
    NO_PLUGIN
    RESOURCE_PREFIX /
    DEPENDENCIES QtQuick Tolvek ${L_DEPENDS}
    SOURCES ${L_SOURCES}
    ${components})
  if(L_QML)
    tolvek_add_screens(${target} FILES ${L_QML})
  endif()
  # The games are found by the assembly without a list of their own.
  if(target MATCHES "^tolvek_game_")
    set_property(GLOBAL APPEND PROPERTY TOLVEK_GAME_LIBRARIES ${target})
  endif()
endfunction()
