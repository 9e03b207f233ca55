#pragma once
// Image lists: a row of equally sized images kept as 32-bit pixels, with an optional
// mask (ILC_MASK) that makes pixels transparent when drawn. An image list holds memory
// only, so one may outlive the window layer (a global object destroyed at exit).
#include "platform/base/Geometry.h"
#include "platform/base/WinTypes.h"

class CBitmap;
class CDC;

constexpr UINT ILC_MASK = 0x0001;
constexpr UINT ILC_COLOR = 0x0000;
constexpr UINT ILC_COLORDDB = 0x00FE;
constexpr UINT ILC_COLOR4 = 0x0004;
constexpr UINT ILC_COLOR8 = 0x0008;
constexpr UINT ILC_COLOR16 = 0x0010;
constexpr UINT ILC_COLOR24 = 0x0018;
constexpr UINT ILC_COLOR32 = 0x0020;

// Drawing styles: ILD_NORMAL and ILD_TRANSPARENT leave masked pixels untouched; ILD_IMAGE
// and ILD_ROP copy the whole image opaquely.
constexpr UINT ILD_NORMAL = 0x0000;
constexpr UINT ILD_TRANSPARENT = 0x0001;
constexpr UINT ILD_IMAGE = 0x0020;
constexpr UINT ILD_ROP = 0x0040;

constexpr COLORREF CLR_NONE = 0xFFFFFFFF;

HIMAGELIST ImageList_Create(int cx, int cy, UINT flags, int cInitial, int cGrow);
BOOL ImageList_Destroy(HIMAGELIST himl);
int ImageList_GetImageCount(HIMAGELIST himl);
BOOL ImageList_GetIconSize(HIMAGELIST himl, int* cx, int* cy);
// Adds as many images as the bitmap is wide; returns the index of the first, or -1.
int ImageList_Add(HIMAGELIST himl, HBITMAP hbmImage, HBITMAP hbmMask);
// As ImageList_Add, with the pixels of colour crMask as the mask (in a list with ILC_MASK).
int ImageList_AddMasked(HIMAGELIST himl, HBITMAP hbmImage, COLORREF crMask);
BOOL ImageList_Remove(HIMAGELIST himl, int i);  // -1 removes every image
BOOL ImageList_Draw(HIMAGELIST himl, int i, HDC hdcDst, int x, int y, UINT fStyle);

class CImageList {
public:
  CImageList() = default;
  ~CImageList();
  CImageList(const CImageList&) = delete;
  CImageList& operator=(const CImageList&) = delete;

  HIMAGELIST m_hImageList = nullptr;
  operator HIMAGELIST() const { return m_hImageList; }
  HIMAGELIST GetSafeHandle() const { return m_hImageList; }

  BOOL Create(int cx, int cy, UINT nFlags, int nInitial, int nGrow);
  BOOL DeleteImageList();
  BOOL Attach(HIMAGELIST hImageList);
  HIMAGELIST Detach();

  int GetImageCount() const;
  int Add(CBitmap* pbmImage, CBitmap* pbmMask);
  int Add(CBitmap* pbmImage, COLORREF crMask);
  BOOL Remove(int nImage);
  BOOL Draw(CDC* pDC, int nImage, POINT pt, UINT nStyle);
};
