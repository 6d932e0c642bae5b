# Files of this subsystem: plain C++ rules (no Qt), then the Qt glue and windows.
list(APPEND LUMORA_RULES_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/ProbeParser.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ProgressParser.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CommandLine.cpp
  ${CMAKE_CURRENT_LIST_DIR}/BatchOutcome.cpp
  ${CMAKE_CURRENT_LIST_DIR}/EncoderText.cpp
)
list(APPEND LUMORA_QT_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/EncoderRun.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Probe.cpp
  ${CMAKE_CURRENT_LIST_DIR}/BatchRunState.h
  ${CMAKE_CURRENT_LIST_DIR}/BatchRun.h
  ${CMAKE_CURRENT_LIST_DIR}/BatchRun.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MainFormConvert.cpp
)
