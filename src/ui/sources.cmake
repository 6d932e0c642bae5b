# Files of this subsystem: plain C++ rules, then Qt glue.
