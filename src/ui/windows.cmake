# The subsystem's windows and main-window handlers.
list(APPEND LUMORA_QT_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/WidgetMaking.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ImageButton.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Glyphs.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Pictures.cpp
  ${CMAKE_CURRENT_LIST_DIR}/OwnedDialog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ProcessForm.cpp
  ${CMAKE_CURRENT_LIST_DIR}/AboutForm.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Skin.cpp
  ${CMAKE_CURRENT_LIST_DIR}/skin.qrc
  ${CMAKE_CURRENT_LIST_DIR}/MainFormLayout.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MainFormChrome.cpp
)
