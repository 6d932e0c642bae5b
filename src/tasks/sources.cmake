# Files of this subsystem: plain C++ rules (no Qt), then the Qt glue and windows.
list(APPEND LUMORA_RULES_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/TaskRecord.cpp
  ${CMAKE_CURRENT_LIST_DIR}/BlockMoves.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ColumnShares.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TaskOptions.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MediaIntake.cpp
)
list(APPEND LUMORA_QT_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/TaskRows.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TaskListBulk.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MainFormTasks.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MainFormAdding.cpp
  ${CMAKE_CURRENT_LIST_DIR}/IntakeQueue.cpp
)
