// The main block: brings up the platform, creates the windows hidden, in
// their fixed order, and runs the message loop until the main window closes.
#include <windows.h>

#include <exception>

#include "about/FrmAcerca.h"
#include "app/Servicios.h"
#include "app/SimbolosPropios.h"
#include "app/UTienda.h"
#include "farewell/UVisitanos.h"
#include "forms/Application.h"
#include "forms/Layout.h"
#include "trick/UZafrena1.h"
#include "trick/UZafrena2.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    try {
        app::ServiciosWindows servicios;
        forms::Application application;
        app::SimbolosPropios simbolos(application.GetScreen());
        application.CreateForm(trick::FZafrena1, servicios.Get());
        application.CreateForm(trick::FZafrena2);
        application.CreateForm(about::FAcerca, servicios.Get());
        application.CreateForm(farewell::FVisitanos, servicios.Get());
        app::ShowStoreNotice(servicios.Get());  // before any window is visible
        application.Run();
    } catch (const std::exception& e) {
        // Only start-up can get here (a broken layout, say); handlers report their own.
        MessageBoxW(nullptr, forms::Widen(e.what()).c_str(), L"Zafrena", MB_OK | MB_ICONSTOP);
        return 1;
    }
    return 0;
}
