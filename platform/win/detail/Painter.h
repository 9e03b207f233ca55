#pragma once
// Painting: invalidation of update regions, the painting pass the loop runs when nothing
// else waits, device contexts on windows, and handing changed pixels to the presenter.
#include "platform/base/Geometry.h"
#include "platform/win/Paint.h"

class CDC;

namespace platform::detail {

struct WindowNode;

void Invalidate(WindowNode& node, const CRect& clientRect, bool erase, bool withChildren);
void MarkDirty(HWND hwnd);
// The non-client area is drawn again (WM_NCPAINT) at the next painting pass.
void InvalidateFrame(WindowNode& node);
void ForgetWindow(HWND hwnd);
bool HasPaintWork();
void PaintPass();
// Paints the window (and with `children` its descendants) now, parents first.
void PaintNow(HWND hwnd, bool children);

// Attaches `dc` to the window for painting its update region, as BeginPaint does.
void BeginPaintInto(HWND hwnd, PAINTSTRUCT* ps, CDC* dc);
void EndPaintFrom(HWND hwnd, CDC* dc);
// Erases the update region now if it asks for erasing, as BeginPaint would, and keeps it.
void EraseNow(HWND hwnd);
// Attaches `dc` to the window's whole client area (GetDC).
bool AttachClientDC(HWND hwnd, CDC* dc);
void ReleaseClientDC(HWND hwnd, CDC* dc);

// Changed pixels of a top-level surface, in surface coordinates, to present.
void AddDamage(HWND topLevel, const CRect& surfaceRect);
void OverlayChanged(HWND hwnd, const CRect& oldDest, bool hadOld, const CRect& newDest, bool hasNew);

}  // namespace platform::detail
