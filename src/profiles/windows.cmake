# The subsystem's windows and main-window handlers.
list(APPEND LUMORA_QT_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/MainFormProfiles.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SettingForm.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SizeForm.cpp
)
