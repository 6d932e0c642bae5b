# Files of this subsystem: plain C++ rules (no Qt), then the Qt glue and windows.
list(APPEND LUMORA_RULES_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/ProfileModel.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ProfileCheck.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ProfileSaving.cpp
)
list(APPEND LUMORA_QT_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/FormFont.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ProfileGrids.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ProfileSelector.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MainFormProfiles.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SettingForm.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SizeForm.cpp
)
