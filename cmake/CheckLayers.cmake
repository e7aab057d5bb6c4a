# Fails when a file of a layer includes a layer above it, or a library that
# layer may not use. Run by the build (target check_layers) with -DSOURCE_DIR
# and -DSTAMP.
#   model    plot state, number text: Qt Core only
#   maths    curves, sampling, foot, singular and lightlike data: no GL, no widgets
#   drawing  OpenGL drawing of the frame: no widgets
#   window   the window, its controls and dialogs
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
file(WRITE "${STAMP}" "")
