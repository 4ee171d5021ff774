#pragma once
// The skin engine's private window messages. Their numbers are fixed: the manager, the form skin
// objects and the control skins send them to each other's windows.
#include <cstdint>

namespace skin {

constexpr uint32_t XM_RESKIN = 0x3401;         // to the form object: refresh after a skin change
constexpr uint32_t XM_REPAINTFRAME = 0x3502;   // repaint the skinned frame now
constexpr uint32_t XM_ACTIVATESKIN = 0x3503;   // posted after attaching, lParam 1000: activate
constexpr uint32_t XM_SKINACTIVE = 0x3506;     // to a skinned control: wParam > 0 on, else off
constexpr uint32_t XM_CUSTOMBUTTON = 0x3514;   // posted: a caption button with an unknown Action, wParam = Action
constexpr uint32_t XM_BUTTONVISIBLE = 0x3515;  // sent: wParam = Visibility, lParam = Action; > 0 shows
constexpr uint32_t XM_REDRAWMDI = 0x3516;      // posted to the MDI client: redraw the frame window
constexpr uint32_t XM_RESKINSCROLL = 0x3517;   // to the form window, wParam = child: new scroll-bar skin
constexpr uint32_t XM_OPENMENUAT = 0x3518;     // lParam = screen point: open the menu-bar item there
constexpr uint32_t XM_ISSKINNED = 0x3523;      // any subclassed window answers 1
constexpr uint32_t XM_PAINTCONTROLTO = 0xBC4A; // lParam = SkinSignature: paint into the DC in wParam
constexpr uint32_t XM_PAINTFRAMETO = 0xBC4B;   // lParam = SkinSignature: paint the frame into wParam's DC
constexpr uint32_t XM_QUERYSKIN = 0xBC4D;      // answers SkinSignature when lParam is SkinSignature, else 1
constexpr uint32_t XM_SKINDONE = 0xBC4E;       // sent to itself when activation ends, lParam SkinSignature

constexpr int32_t SkinSignature = 0x41A2;

// lParam of the XM_ACTIVATESKIN the manager posts.
constexpr int32_t kActivateSkinParam = 1000;

// The framework's form notifications the form skin object takes part in.
constexpr uint32_t kFormMenuChanged = 0xB015;
constexpr uint32_t kFormDialogChar = 0xB006;

}  // namespace skin
