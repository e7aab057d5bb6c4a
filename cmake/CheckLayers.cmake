# Fails when a file of a layer includes a layer above it, or a library that
# layer may not use. Run by the build (target check_layers) with -DSOURCE_DIR
# and -DSTAMP.
#   model    scene, sessions, number text: Qt Core only
#   maths    curves, sampling, foot, singular and lightlike data: no GL, no widgets
#   drawing  OpenGL drawing of the frame: no widgets
#   window   the window, its controls and dialogs
# and when two units (a .h with its .cpp) of any layer include one another,
# directly or through others.
set(forbidden_model "\"(maths|drawing|window)/|<GL/|<QtGui|<QtWidgets|<QOpenGL|<QWidget|<QImage|<QColor")
set(forbidden_maths "\"(drawing|window)/|<GL/|<QtGui|<QtWidgets|<QOpenGL|<QWidget|<QImage|<QColor")
set(forbidden_drawing "\"window/|<QtWidgets|<QWidget|<QOpenGLWidget|<QLabel|<QCheckBox|<QComboBox|<QLineEdit|<QSlider|<QApplication")

set(failures "")
foreach(layer model maths drawing)
  file(GLOB_RECURSE files "${SOURCE_DIR}/src/${layer}/*.h" "${SOURCE_DIR}/src/${layer}/*.cpp")
  foreach(file ${files})
    file(STRINGS "${file}" lines REGEX "^[ \t]*#[ \t]*include[ \t]*(${forbidden_${layer}})")
    foreach(line ${lines})
      file(RELATIVE_PATH name "${SOURCE_DIR}" "${file}")
      string(APPEND failures "\n  ${name}: ${line}")
    endforeach()
  endforeach()
endforeach()
if(failures)
  message(FATAL_ERROR "A layer includes what lies above it (a layer includes only the layers below it):${failures}")
endif()

# No include circle between two units (a .h with its .cpp), in any layer the
# window's included: which unit needs which is then a plain order.
file(GLOB_RECURSE all_files "${SOURCE_DIR}/src/*.h" "${SOURCE_DIR}/src/*.cpp")
set(units "")
foreach(file ${all_files})
  file(RELATIVE_PATH name "${SOURCE_DIR}/src" "${file}")
  string(REGEX REPLACE "\\.(h|cpp)$" "" unit "${name}")
  list(APPEND units "${unit}")
  string(MAKE_C_IDENTIFIER "${unit}" id)
  file(STRINGS "${file}" lines REGEX "^[ \t]*#[ \t]*include[ \t]*\"[^\"]+\\.h\"")
  foreach(line ${lines})
    string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"([^\"]+)\\.h\".*" "\\1" needed "${line}")
    if(NOT needed STREQUAL unit)
      list(APPEND needs_${id} "${needed}")
      string(MAKE_C_IDENTIFIER "${needed}" needed_id)
      list(APPEND needed_by_${needed_id} "${unit}")
    endif()
  endforeach()
endforeach()
list(REMOVE_DUPLICATES units)
# Units that need no unit left are set aside, then units no unit left needs;
# what remains lies on a circle.
foreach(direction needs needed_by)
  set(changed TRUE)
  while(changed)
    set(changed FALSE)
    set(kept "")
    foreach(unit ${units})
      string(MAKE_C_IDENTIFIER "${unit}" id)
      set(held FALSE)
      foreach(other ${${direction}_${id}})
        list(FIND units "${other}" at)
        if(NOT at EQUAL -1)
          set(held TRUE)
          break()
        endif()
      endforeach()
      if(held)
        list(APPEND kept "${unit}")
      else()
        set(changed TRUE)
      endif()
    endforeach()
    set(units ${kept})
  endwhile()
endforeach()
if(units)
  string(REPLACE ";" ", " circle "${units}")
  message(FATAL_ERROR "These units include one another in a circle: ${circle}")
endif()
file(WRITE "${STAMP}" "")
