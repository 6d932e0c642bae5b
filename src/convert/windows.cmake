# The subsystem's windows and main-window handlers.
list(APPEND LUMORA_QT_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/BatchRunState.h
  ${CMAKE_CURRENT_LIST_DIR}/MainFormConvert.cpp
)
