# The batch run: its plain rules, then the main window's conversion handlers.
list(APPEND LUMORA_RULES_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/BatchOutcome.cpp
  ${CMAKE_CURRENT_LIST_DIR}/EncoderText.cpp
)
list(APPEND LUMORA_QT_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/BatchRunState.h
  ${CMAKE_CURRENT_LIST_DIR}/BatchRun.h
  ${CMAKE_CURRENT_LIST_DIR}/BatchRun.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MainFormConvert.cpp
)
