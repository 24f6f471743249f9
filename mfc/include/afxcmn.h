// Image list wrapper of the MFC layer.
#pragma once

#include "afxwin.h"
#include <commctrl.h>

class AFX_API CImageList : public CObject {
public:
    CImageList();
    ~CImageList() override;  // destroys a list still attached

    BOOL Attach(HIMAGELIST hImageList);
    HIMAGELIST Detach();
    BOOL DeleteImageList();
    HIMAGELIST GetSafeHandle() const { return m_hImageList; }
    operator HIMAGELIST() const { return m_hImageList; }
    int GetImageCount() const;
    HICON ExtractIcon(int nImage);

    HIMAGELIST m_hImageList;
};
