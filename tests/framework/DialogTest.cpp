#include "framework/Dialog.h"
#include "framework/WinApp.h"
#include "res/resource.h"
#include <gtest/gtest.h>

namespace {
// A modal dialog that notes where it opened and ends itself once its loop runs.
class NotingDialog : public CDialog {
public:
    NotingDialog(CWnd* owner, const POINT* place) : CDialog(IDD_ABOUTBOX, owner), m_place(place) {}
    RECT opened = {};

protected:
    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        if (m_place)
            SetWindowPos(nullptr, m_place->x, m_place->y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        ::SetTimer(m_hWnd, 1, 1, NoteAndEnd);
        return TRUE;
    }

private:
    static void CALLBACK NoteAndEnd(HWND hWnd, UINT, UINT_PTR id, DWORD)
    {
        ::KillTimer(hWnd, id);
        auto* self = static_cast<NotingDialog*>(CWnd::FromHandlePermanent(hWnd));
        self->GetWindowRect(&self->opened);
        self->EndDialog(IDOK);
    }
    const POINT* m_place;
};

RECT OpenModal(CWnd* owner, const POINT* place = nullptr)
{
    NotingDialog dialog(owner, place);
    EXPECT_EQ(dialog.DoModal(), IDOK);
    return dialog.opened;
}

void ExpectCentredOn(const RECT& r, const RECT& area)
{
    EXPECT_NEAR((r.left + r.right) / 2, (area.left + area.right) / 2, 1);
    EXPECT_NEAR((r.top + r.bottom) / 2, (area.top + area.bottom) / 2, 1);
}
}

TEST(Dialog, AModalDialogOpensCentredOverItsOwnerUnlessItPlacedItself)
{
    CWnd owner;
    ASSERT_TRUE(owner.CreateEx(0, AfxRegisterWndClass(0), "owner", WS_POPUP | WS_VISIBLE, 100, 100, 400, 300,
                               nullptr, nullptr));
    RECT ownerRect, work;
    owner.GetWindowRect(&ownerRect);
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);

    ExpectCentredOn(OpenModal(&owner), ownerRect);
    owner.ShowWindow(SW_HIDE);
    ExpectCentredOn(OpenModal(&owner), work);
    const POINT place = { 7, 9 };
    const RECT placed = OpenModal(&owner, &place);
    EXPECT_EQ(placed.left, 7);
    EXPECT_EQ(placed.top, 9);
    owner.DestroyWindow();
}
