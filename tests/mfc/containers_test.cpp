#include <afxcmn.h>
#include <gtest/gtest.h>

#include "cstring_print.h"

namespace {

TEST(CStringList, KeepsTailOrderAndCount) {
    CStringList list;
    EXPECT_TRUE(list.IsEmpty());
    list.AddTail(CString(L"one"));
    list.AddTail(CString(L"two"));
    list.AddHead(CString(L"zero"));
    EXPECT_EQ(list.GetCount(), 3);
    const wchar_t* expected[] = {L"zero", L"one", L"two"};
    int i = 0;
    for (POSITION pos = list.GetHeadPosition(); pos;) EXPECT_EQ(list.GetNext(pos), expected[i++]);
    EXPECT_EQ(i, 3);
    EXPECT_EQ(list.RemoveHead(), L"zero");
    EXPECT_EQ(list.GetHead(), L"one");
    EXPECT_NE(list.Find(L"two"), nullptr);
    list.RemoveAll();
    EXPECT_EQ(list.GetCount(), 0);
    EXPECT_EQ(list.GetHeadPosition(), nullptr);
}

TEST(CImageList, DetachedListSurvivesTheObject) {
    HIMAGELIST handle = ImageList_Create(16, 16, ILC_COLOR32, 1, 1);
    ASSERT_NE(handle, nullptr);
    {
        CImageList list;
        ASSERT_TRUE(list.Attach(handle));
        EXPECT_FALSE(list.Attach(handle));
        EXPECT_EQ(list.Detach(), handle);
    }
    EXPECT_EQ(ImageList_GetImageCount(handle), 0);
    EXPECT_TRUE(ImageList_SetImageCount(handle, 2));  // still a live list
    {
        CImageList owner;
        owner.Attach(handle);
        EXPECT_EQ(owner.GetImageCount(), 2);
    }  // destroyed with the object
}

}  // namespace
