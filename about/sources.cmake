# Sources of the About window. ZAFRENA_LOGIC_SOURCES hold no Windows header
# and are also tested natively; ZAFRENA_WIN_SOURCES are the Win32 side.
list(APPEND ZAFRENA_LOGIC_SOURCES
    about/Reglas.cpp)
list(APPEND ZAFRENA_WIN_SOURCES
    about/FrmAcerca.cpp)
