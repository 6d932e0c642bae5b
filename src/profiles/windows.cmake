# Plain rules of the windows' profile handling (no Qt).
list(APPEND LUMORA_RULES_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/ProfileSaving.cpp
)
# The subsystem's windows and main-window handlers.
list(APPEND LUMORA_QT_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/FormFont.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ProfileGrids.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ProfileSelector.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MainFormProfiles.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SettingForm.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SizeForm.cpp
)
