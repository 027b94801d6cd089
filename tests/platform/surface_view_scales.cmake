# The surface view again on screens of pixel ratio 1.5 and 2: whole squares at 2, nearest pixels at 1.5.
foreach(scale 1.5 2)
  add_test(NAME surface_view_test_scale_${scale} COMMAND surface_view_test)
  set_tests_properties(surface_view_test_scale_${scale} PROPERTIES LABELS shell ENVIRONMENT
    "QT_QPA_PLATFORM=offscreen;QT_SCALE_FACTOR=${scale};QT_FONT_DPI=96;XDG_CONFIG_HOME=${CMAKE_CURRENT_BINARY_DIR}/qt-test-config")
endforeach()
