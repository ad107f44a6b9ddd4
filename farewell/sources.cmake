list(APPEND ZAFRENA_LOGIC_SOURCES
    farewell/Diapositivas.cpp)
list(APPEND ZAFRENA_WIN_SOURCES
    farewell/UVisitanos.cpp)
