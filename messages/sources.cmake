# Sources of the message window. ZAFRENA_LOGIC_SOURCES hold no Windows
# header and are also tested natively; ZAFRENA_WIN_SOURCES are the Win32 side.
list(APPEND ZAFRENA_LOGIC_SOURCES
    messages/Disposicion.cpp)
list(APPEND ZAFRENA_WIN_SOURCES
    messages/Umensajes.cpp)
