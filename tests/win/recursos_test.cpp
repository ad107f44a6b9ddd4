// The program's own resources: present, with the size and format they must have.
#include <cstring>
#include <string>

#include "tests/win/Harness.h"

namespace {

struct Bytes {
    const unsigned char* p = nullptr;
    DWORD n = 0;
};

Bytes Recurso(const char* nombre, const char* tipo) {
    HMODULE m = GetModuleHandleW(nullptr);
    HRSRC r = FindResourceA(m, nombre, tipo);
    if (!r) return {};
    return {static_cast<const unsigned char*>(LockResource(LoadResource(m, r))), SizeofResource(m, r)};
}

std::uint32_t U32(const unsigned char* p) { return p[0] | p[1] << 8 | p[2] << 16 | std::uint32_t(p[3]) << 24; }
std::uint16_t U16(const unsigned char* p) { return static_cast<std::uint16_t>(p[0] | p[1] << 8); }

TEST(Recursos, SoundsAreWholeRiffWaveImages) {
    struct Caso {
        const char* nombre;
        int formato, canales, frecuencia, bits, bloque, porSegundo;
        DWORD datos;  // 0: not fixed
    };
    const Caso casos[] = {
        {"ENTRADA", 1, 1, 11025, 8, 1, 11025, 43482},
        {"SERA", 1, 1, 11025, 8, 1, 11025, 81161},
        {"ACERCA", 2, 2, 22050, 4, 1024, 22311, 0},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nombre);
        const Bytes b = Recurso(c.nombre, MAKEINTRESOURCEA(10));
        ASSERT_NE(b.p, nullptr) << "an RCDATA resource";
        ASSERT_GT(b.n, 44u);
        EXPECT_EQ(std::memcmp(b.p, "RIFF", 4), 0);
        EXPECT_EQ(U32(b.p + 4), b.n - 8);
        EXPECT_EQ(std::memcmp(b.p + 8, "WAVE", 4), 0);
        bool fmt = false, data = false;
        for (DWORD at = 12; at + 8 <= b.n;) {
            const DWORD size = U32(b.p + at + 4);
            ASSERT_LE(at + 8 + size, b.n) << "a chunk runs past the end";
            const unsigned char* d = b.p + at + 8;
            if (!std::memcmp(b.p + at, "fmt ", 4)) {
                fmt = true;
                EXPECT_EQ(U16(d), c.formato);
                EXPECT_EQ(U16(d + 2), c.canales);
                EXPECT_EQ(U32(d + 4), static_cast<std::uint32_t>(c.frecuencia));
                EXPECT_EQ(U32(d + 8), static_cast<std::uint32_t>(c.porSegundo));
                EXPECT_EQ(U16(d + 12), c.bloque);
                EXPECT_EQ(U16(d + 14), c.bits);
            } else if (!std::memcmp(b.p + at, "data", 4)) {
                data = true;
                if (c.datos) {
                    EXPECT_EQ(size, c.datos);
                }
            }
            at += 8 + size + (size & 1);  // odd chunks carry a pad byte
            if (size & 1) {
                EXPECT_LE(at, b.n) << "the pad byte is there";
            }
        }
        EXPECT_TRUE(fmt);
        EXPECT_TRUE(data);
    }
}

TEST(Recursos, PicturesHaveTheirSizeAndDepth) {
    struct Caso {
        const char* nombre;
        int ancho, alto, bits;
    };
    const Caso casos[] = {{"SERA", 152, 48, 24},    {"AUTOR", 50, 33, 24},   {"ACEPTAR", 152, 32, 24},
                          {"BANNER1", 500, 78, 8},  {"BANNER2", 500, 78, 8}, {"BANNER3", 500, 78, 8},
                          {"BANNER4", 500, 78, 8},  {"BANNER5", 500, 78, 8}, {"BANNER6", 500, 78, 8},
                          {"BBOK", 18, 18, 24}};
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nombre);
        const Bytes b = Recurso(c.nombre, MAKEINTRESOURCEA(2));  // RT_BITMAP
        ASSERT_NE(b.p, nullptr);
        const auto* h = reinterpret_cast<const BITMAPINFOHEADER*>(b.p);
        EXPECT_EQ(h->biWidth, c.ancho);
        EXPECT_EQ(h->biHeight, c.alto);
        EXPECT_EQ(h->biBitCount, c.bits);
        EXPECT_EQ(h->biCompression, static_cast<DWORD>(BI_RGB));
    }
}

TEST(Recursos, CursorIconAndSymbolFont) {
    HCURSOR cursor = LoadCursorW(GetModuleHandleW(nullptr), L"APUNTANDO");
    ASSERT_NE(cursor, nullptr);
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(cursor, &info));
    EXPECT_EQ(info.xHotspot, 6u);
    EXPECT_EQ(info.yHotspot, 0u);
    if (info.hbmMask) DeleteObject(info.hbmMask);
    if (info.hbmColor) DeleteObject(info.hbmColor);
    EXPECT_NE(LoadIconW(GetModuleHandleW(nullptr), L"MAINICON"), nullptr);
    EXPECT_NE(Recurso("ZAFRENASYMBOLS", MAKEINTRESOURCEA(10)).p, nullptr);
}

}  // namespace
