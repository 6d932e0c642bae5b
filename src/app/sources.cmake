# Files of this subsystem: plain C++ rules (no Qt), then the Qt glue and windows.
list(APPEND LUMORA_RULES_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/TimeText.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Rounding.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PathText.cpp
  ${CMAKE_CURRENT_LIST_DIR}/StartupValues.cpp
)
list(APPEND LUMORA_QT_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/ProgramInfo.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MainForm.h
  ${CMAKE_CURRENT_LIST_DIR}/MainForm.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MainFormCommands.cpp
  ${CMAKE_CURRENT_LIST_DIR}/AppWindows.cpp
)
