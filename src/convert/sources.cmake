# Files of this subsystem: plain C++ rules, then Qt glue.
list(APPEND LUMORA_RULES_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/ProbeParser.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ProgressParser.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CommandLine.cpp
)
list(APPEND LUMORA_QT_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/EncoderRun.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Probe.cpp
)
