#pragma once

#include <QColor>

// The program's colours, for the few places that paint by hand (delegates, rings, badges drawn
// with QPainter). Everything else takes its colours from the style sheet (resources/styles/style.qss)
// through object names and dynamic properties.
namespace Palette {

inline const QColor Accent{0x10, 0xB9, 0x81};        // #10B981, buttons, bars, checked states
inline const QColor AccentDark{0x05, 0x96, 0x69};    // #059669, pressed and gradient end
inline const QColor AccentTint{0xEC, 0xFD, 0xF5};    // #ECFDF5, selected rows
inline const QColor Text{0x11, 0x18, 0x27};          // #111827, main text
inline const QColor TextSecondary{0x6B, 0x72, 0x80}; // #6B7280
inline const QColor TextMuted{0x9C, 0xA3, 0xAF};     // #9CA3AF
inline const QColor TextStrong{0x37, 0x41, 0x51};    // #374151, body text of the About box
inline const QColor Border{0xE5, 0xE7, 0xEB};        // #E5E7EB
inline const QColor BorderStrong{0xD1, 0xD5, 0xDB};  // #D1D5DB, check box frames
inline const QColor Surface{0xFF, 0xFF, 0xFF};       // cards
inline const QColor SurfaceMuted{0xF3, 0xF4, 0xF6};  // #F3F4F6, secondary buttons, tracks
inline const QColor Warning{0xF5, 0x9E, 0x0B};       // #F59E0B, medium risk, caution
inline const QColor WarningTint{0xFE, 0xF3, 0xC7};   // #FEF3C7
inline const QColor Danger{0xEF, 0x44, 0x44};        // #EF4444, high risk, failures
inline const QColor DangerTint{0xFE, 0xE2, 0xE2};    // #FEE2E2
inline const QColor DangerText{0xDC, 0x26, 0x26};    // #DC2626, text on DangerTint
inline const QColor Info{0x25, 0x63, 0xEB};          // #2563EB, notes such as "In iCloud"
inline const QColor InfoTint{0xDB, 0xEA, 0xFE};      // #DBEAFE
inline const QColor SuccessTint{0xDC, 0xFC, 0xE7};   // #DCFCE7, own-item badges and icon tiles
inline const QColor SuccessText{0x16, 0x65, 0x34};   // #166534
inline const QColor WarningText{0x92, 0x40, 0x0E};   // #92400E, text on WarningTint
inline const QColor IndigoTint{0xE0, 0xE7, 0xFF};    // #E0E7FF
inline const QColor IndigoText{0x37, 0x30, 0xA3};    // #3730A3
inline const QColor CardShadow{0x00, 0x00, 0x00, 12}; // card drop shadow
inline const QColor DialogShadow{0x00, 0x00, 0x00, 30}; // drop shadow of the settings and About cards
inline const QColor WindowShadow{0x00, 0x00, 0x00, 50}; // the main window's drop shadow
inline const QColor DashboardCardShadow{0x00, 0x00, 0x00, 25}; // the dashboard's ring card
inline const QColor StatCardShadow{0x00, 0x00, 0x00, 20};      // the dashboard's junk and browser cards
// White over the green side bar: icons, a hovered or pressed entry, a count badge.
inline const QColor OnAccentIcon{0xFF, 0xFF, 0xFF, 217};
inline const QColor OnAccentHover{0xFF, 0xFF, 0xFF, 38};
inline const QColor OnAccentPressed{0xFF, 0xFF, 0xFF, 64};
inline const QColor OnAccentBadge{0xFF, 0xFF, 0xFF, 56};
// The window's close, minimise and zoom lights and the glyph a hovered light shows.
inline const QColor TrafficLightClose{0xFF, 0x5F, 0x57};
inline const QColor TrafficLightMinimize{0xFF, 0xBD, 0x2E};
inline const QColor TrafficLightZoom{0x28, 0xC8, 0x40};
inline const QColor TrafficLightGlyph{0x00, 0x00, 0x00, 130};

// The colour of a risk level as the engines number it: 0 low, 1 medium, 2 high; any other
// level is unknown and reads muted.
inline QColor risk(int riskLevel)
{
    switch (riskLevel) {
    case 0:
        return Accent;
    case 1:
        return Warning;
    case 2:
        return Danger;
    default:
        return TextMuted;
    }
}

} // namespace Palette
