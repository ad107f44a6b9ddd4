# Sources of the application frame. ZAFRENA_LOGIC_SOURCES hold no Windows
# header and are also tested natively; ZAFRENA_WIN_SOURCES are the Win32 side.
list(APPEND ZAFRENA_WIN_SOURCES
    app/Servicios.cpp
    app/SimbolosPropios.cpp
    app/UTienda.cpp)
list(APPEND ZAFRENA_LOGIC_SOURCES
    app/Tienda.cpp)
