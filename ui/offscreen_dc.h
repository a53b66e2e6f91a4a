// COffscreenDC: the surface of one paint. Drawing goes to a memory bitmap
// the size of the target's clip box, in the target's logical coordinates;
// the destructor copies it to the target in one BitBlt, so the screen never
// shows a partly drawn picture.
//
// The memory context's device coordinates have their origin at the clip
// box's top-left corner: a clip region for it is a rectangle in logical
// coordinates converted with LPtoDP. The object lives only for one paint and
// must be destroyed before the target context ends.
#pragma once

#include <windows.h>

#include "framework/dc.h"
#include "framework/gdi.h"

class COffscreenDC : public CDC {
 public:
  // Makes the surface for `pDC`, which must outlive this object.
  explicit COffscreenDC(CDC* pDC);
  ~COffscreenDC() override;

 private:
  CDC* m_pDC;
  RECT m_rcClip;
  CBitmap m_bitmap;
  HBITMAP m_hOldBitmap;
};
