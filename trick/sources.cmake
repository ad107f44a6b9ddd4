list(APPEND ZAFRENA_LOGIC_SOURCES
    trick/Reparto.cpp)
list(APPEND ZAFRENA_WIN_SOURCES
    trick/UZafrena1.cpp
    trick/UZafrena2.cpp)
