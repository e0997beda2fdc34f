// Numeric ids of the embedded resources, shared by zembrix.rc and the C++ code that loads them.
// Plain #defines only: the resource compiler reads this file too.
//
// The program icon has no number: it is the icon group named "DEFAULT_ICON" (a 32 x 32 and a
// 16 x 16 image), which every window without an icon of its own uses. A named group sorts
// before all numbered ones, so it is also the icon Explorer shows for the exe.
#ifndef ZEMBRIX_RESOURCE_IDS_H
#define ZEMBRIX_RESOURCE_IDS_H

// 16 x 16, 32-bit: the same picture as the program icon's 16 x 16 image.
#define IDI_TRAY_ICON 101
// 16 x 16, 16 colours: the info window's own icon.
#define IDI_INFO_ICON 102
// 40 x 21, 24-bit: the start button of the Amazon China box.
#define IDB_START_BUTTON 103

#endif  // ZEMBRIX_RESOURCE_IDS_H
