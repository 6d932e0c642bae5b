# Files of this subsystem: plain C++ rules (no Qt), then the Qt glue and windows.
list(APPEND LUMORA_RULES_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/ValueListGridColours.cpp
)
list(APPEND LUMORA_QT_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/ValueListGrid.h
  ${CMAKE_CURRENT_LIST_DIR}/ValueListGrid.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ValueListGridDelegate.h
  ${CMAKE_CURRENT_LIST_DIR}/ValueListGridDelegate.cpp
  ${CMAKE_CURRENT_LIST_DIR}/BalloonTip.h
  ${CMAKE_CURRENT_LIST_DIR}/BalloonTip.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CollapsibleSection.h
  ${CMAKE_CURRENT_LIST_DIR}/CollapsibleSection.cpp
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
  ${CMAKE_CURRENT_LIST_DIR}/OutputFolderChoice.cpp
)
