// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QWidget>
#include <vector>

#include "kestrum/tree.h"
#include "platform/Settings.h"

namespace {

// Collects the notifications a check tree posts to its parent.
class Parent : public QWidget {
public:
    struct Note {
        int code;
        unsigned long data;
        long state;
    };
    std::vector<Note> notes;

    std::vector<Note> Take()
    {
        QCoreApplication::sendPostedEvents(this);
        return std::exchange(notes, {});
    }

protected:
    bool event(QEvent* e) override
    {
        if (e->type() == CTreeNotifyEvent::EventType()) {
            auto* n = static_cast<CTreeNotifyEvent*>(e);
            notes.push_back({n->Code(), n->WParam(), n->LParam()});
            return true;
        }
        return QWidget::event(e);
    }
};

class TreeTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        parent = std::make_unique<Parent>();
        parent->resize(300, 400);
        tree = new CTreeCheck(parent.get());
        tree->resize(300, 400);
    }

    void Show()
    {
        parent->show();
        QCoreApplication::processEvents();
    }

    int Image(HTREEITEM item)
    {
        int image = -1, selected = -1;
        tree->GetItemImage(item, image, selected);
        return image;
    }

    void Mouse(QEvent::Type type, QPoint pos)
    {
        QPointF global = tree->viewport()->mapToGlobal(QPointF(pos));
        QMouseEvent e(type, QPointF(pos), global, Qt::LeftButton,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(tree->viewport(), &e);
    }

    void Click(QPoint pos)
    {
        Mouse(QEvent::MouseButtonPress, pos);
        Mouse(QEvent::MouseButtonRelease, pos);
    }

    QPoint TextPoint(HTREEITEM item) { return tree->visualItemRect(item).center(); }

    QPoint ExpandButton(HTREEITEM item)
    {
        QRect r = tree->visualItemRect(item);
        return QPoint(r.left() - tree->indentation() / 2, r.center().y());
    }

    std::unique_ptr<Parent> parent;
    CTreeCheck* tree = nullptr;
};

TEST_F(TreeTest, SkippedDepthsGetPlaceholdersAndPositionsArePreOrder)
{
    HTREEITEM top = tree->AddItem(0, "Top", 1);
    HTREEITEM deep = tree->AddItem(2, "Deep", 2);
    ASSERT_EQ(tree->GetCount(), 3);
    HTREEITEM placeholder = deep->parent();
    ASSERT_NE(placeholder, nullptr);
    EXPECT_EQ(placeholder->parent(), top);
    EXPECT_EQ(tree->GetItemText(placeholder), "  ");
    EXPECT_EQ(tree->GetItemData(placeholder), 9999ul);
    EXPECT_EQ(Image(placeholder), 0);
    EXPECT_EQ(Image(deep), tree->Open());

    CString text;
    EXPECT_EQ(tree->GetText(0, text), 0);
    EXPECT_EQ(text, "Top");
    EXPECT_EQ(tree->GetText(1, text), 1);
    EXPECT_EQ(text, "  ");
    EXPECT_EQ(tree->GetData(1), 9999);
    EXPECT_EQ(tree->GetText(2, text), 2);
    EXPECT_EQ(text, "Deep");
    EXPECT_EQ(tree->GetData(2), 2);

    // Past the end there is no item: text untouched, length 0.
    text = "kept";
    EXPECT_EQ(tree->GetText(3, text), -1);
    EXPECT_EQ(text, "kept");
    EXPECT_EQ(tree->GetTextLen(3), 0);
    EXPECT_EQ(tree->GetTextLen(-1), 0);
    EXPECT_EQ(tree->GetTextLen(2), 4);
    EXPECT_EQ(tree->GetData(3), 0);

    // The first item added is selected and current.
    EXPECT_EQ(tree->GetSelectedItem(), top);
}

TEST_F(TreeTest, SiblingsSortByTextAndPositionsFollowTheSortedOrder)
{
    tree->AddItem(0, "b", 1);
    tree->AddItem(1, "b2", 12);
    tree->AddItem(1, "B1", 11);
    tree->AddItem(0, "a", 2);
    tree->AddItem(0, "C", 3);
    const char* expected[] = {"a", "b", "B1", "b2", "C"};
    const long data[] = {2, 1, 11, 12, 3};
    const int depth[] = {0, 0, 1, 1, 0};
    for (int i = 0; i < 5; ++i) {
        CString text;
        EXPECT_EQ(tree->GetText(i, text), depth[i]) << i;
        EXPECT_EQ(text, expected[i]) << i;
        EXPECT_EQ(tree->GetData(i), data[i]) << i;
    }
}

TEST_F(TreeTest, AShallowerItemEndsTheDeeperBranch)
{
    tree->AddItem(0, "A", 1);
    HTREEITEM b = tree->AddItem(1, "B", 2);
    HTREEITEM c = tree->AddItem(0, "C", 3);
    HTREEITEM d = tree->AddItem(2, "D", 4);
    EXPECT_EQ(b->childCount(), 0);
    ASSERT_NE(d->parent(), nullptr);
    EXPECT_EQ(d->parent()->parent(), c);
    EXPECT_EQ(tree->GetItemData(d->parent()), 9999ul);
}

TEST_F(TreeTest, TextsKeepTheirBytes)
{
    const char latin1[] = "Z\xfcrich"; // not UTF-8: shown as Windows-1252, returned as given
    HTREEITEM z = tree->AddItem(0, latin1, 1);
    EXPECT_EQ(z->text(0), QString::fromUtf8("Z\xc3\xbcrich"));
    CString text;
    tree->GetText(0, text);
    EXPECT_EQ(text, CString(latin1));
    EXPECT_EQ(tree->AddItem(-3, nullptr, 5)->parent(), nullptr);
}

TEST_F(TreeTest, CheckingAParentChecksItsSubtreeAndMixedChildrenShowBoth)
{
    HTREEITEM p = tree->AddItem(0, "P", 1);
    HTREEITEM c1 = tree->AddItem(1, "c1", 2);
    HTREEITEM c2 = tree->AddItem(1, "c2", 3);
    HTREEITEM g = tree->AddItem(2, "g", 4);
    tree->SetCheck(p, 1);
    for (HTREEITEM x : {p, c1, c2, g}) {
        EXPECT_EQ(tree->GetCheck(x), 1);
        EXPECT_EQ(Image(x), tree->Checked());
    }
    int image = 0, selected = 0;
    tree->GetItemImage(p, image, selected);
    EXPECT_EQ(selected, tree->CheckedSel());

    tree->SetCheck(c1, 0);
    EXPECT_EQ(tree->GetCheck(p), 1); // only the pictures change
    tree->GetItemImage(p, image, selected);
    EXPECT_EQ(image, tree->Both());
    EXPECT_EQ(selected, tree->BothSel());
    EXPECT_EQ(tree->GetCurrentItem(), c1);

    tree->SetCheck(c2, 0);
    EXPECT_EQ(Image(c2), tree->UnChecked());
    EXPECT_EQ(Image(p), tree->UnChecked());
    EXPECT_EQ(tree->GetCheck(g), 0);

    // A mixed grandchild shows through its checked parent to the top.
    tree->SetCheck(p, 1);
    HTREEITEM g2 = tree->AddItem(2, "g2", 5);
    tree->SetCheck(g2, 0);
    EXPECT_EQ(tree->GetCheck(c2), 1);
    EXPECT_EQ(Image(c2), tree->Both());
    EXPECT_EQ(Image(p), tree->Both());
    tree->SetCheck(g2, 1);
    EXPECT_EQ(Image(p), tree->Checked());
}

TEST_F(TreeTest, TransverseVisitsDescendantsChildrenFirst)
{
    tree->AddItem(0, "a", 1);
    tree->AddItem(1, "a1", 2);
    tree->AddItem(2, "a11", 3);
    tree->AddItem(1, "a2", 4);
    HTREEITEM b = tree->AddItem(0, "b", 5);
    tree->AddItem(1, "b1", 6);
    std::vector<unsigned long> seen;
    auto collect = [](void* context, HTREEITEM item) {
        static_cast<std::vector<unsigned long>*>(context)->push_back(item->data(0, Qt::UserRole).toULongLong());
    };
    tree->Transverse(&seen, nullptr, collect);
    EXPECT_EQ(seen, (std::vector<unsigned long>{3, 2, 4, 1, 6, 5}));
    seen.clear();
    tree->Transverse(&seen, b, collect);
    EXPECT_EQ(seen, (std::vector<unsigned long>{6}));
}

TEST_F(TreeTest, ClickingTheSelectedItemTogglesItAndNotifiesOnce)
{
    HTREEITEM a = tree->AddItem(0, "a", 10);
    tree->AddItem(0, "b", 20);
    Show();
    ASSERT_EQ(tree->GetSelectedItem(), a);

    Click(TextPoint(a));
    EXPECT_EQ(tree->GetCheck(a), 1);
    EXPECT_TRUE(tree->GetChanged());
    auto notes = parent->Take();
    ASSERT_EQ(notes.size(), 1u);
    EXPECT_EQ(notes[0].code, 0x300);
    EXPECT_EQ(notes[0].data, 10ul);
    EXPECT_EQ(notes[0].state, 3); // selected and checked

    Click(TextPoint(a));
    EXPECT_EQ(tree->GetCheck(a), 0);
    notes = parent->Take();
    ASSERT_EQ(notes.size(), 1u);
    EXPECT_EQ(notes[0].state, 2);
}

TEST_F(TreeTest, ClickingAnotherItemTogglesOnlyThatItem)
{
    HTREEITEM a = tree->AddItem(0, "a", 10);
    HTREEITEM b = tree->AddItem(0, "b", 20);
    HTREEITEM b1 = tree->AddItem(1, "b1", 21);
    Show();
    tree->SetCheck(a, 1);
    parent->Take();

    Click(TextPoint(b));
    EXPECT_EQ(tree->GetSelectedItem(), b);
    EXPECT_EQ(tree->GetCheck(a), 1);
    EXPECT_EQ(tree->GetCheck(b), 1);
    EXPECT_EQ(tree->GetCheck(b1), 1);
    auto notes = parent->Take();
    ASSERT_EQ(notes.size(), 1u);
    EXPECT_EQ(notes[0].data, 20ul);
    EXPECT_EQ(notes[0].state, 3);

    // A press on one item and a release on another is no click.
    Mouse(QEvent::MouseButtonPress, TextPoint(a));
    Mouse(QEvent::MouseButtonRelease, QPoint(TextPoint(a).x(), tree->viewport()->height() - 2));
    EXPECT_EQ(tree->GetCheck(a), 1);
    EXPECT_TRUE(parent->Take().empty());
}

TEST_F(TreeTest, ExpandClicksChangeNoCheck)
{
    HTREEITEM a = tree->AddItem(0, "a", 10);
    HTREEITEM a1 = tree->AddItem(1, "a1", 11);
    HTREEITEM a2 = tree->AddItem(1, "a2", 12);
    HTREEITEM b = tree->AddItem(0, "b", 20);
    tree->SetCheck(a2, 1);
    Show();
    ASSERT_FALSE(a->isExpanded());
    ASSERT_EQ(Image(a), tree->Both());

    Click(ExpandButton(a));
    EXPECT_TRUE(a->isExpanded());
    EXPECT_EQ(tree->GetCheck(a), 0);
    EXPECT_EQ(tree->GetSelectedItem(), a);
    EXPECT_TRUE(parent->Take().empty());
    EXPECT_EQ(tree->GetCheck(a2), 1);

    // A double click that opens an item takes back the toggle of its first click.
    Click(TextPoint(b));
    ASSERT_EQ(tree->GetCheck(b), 1);
    parent->Take();
    Click(ExpandButton(a)); // collapse again
    ASSERT_FALSE(a->isExpanded());
    Click(TextPoint(a));
    ASSERT_EQ(tree->GetCheck(a), 1);
    Mouse(QEvent::MouseButtonDblClick, TextPoint(a));
    Mouse(QEvent::MouseButtonRelease, TextPoint(a));
    EXPECT_TRUE(a->isExpanded());
    EXPECT_EQ(tree->GetCheck(a), 0);
    EXPECT_EQ(tree->GetCheck(a1), 0);
    EXPECT_EQ(tree->GetCheck(a2), 1);
    EXPECT_EQ(Image(a), tree->Both());
    EXPECT_EQ(tree->GetCheck(b), 1);
    auto notes = parent->Take();
    ASSERT_EQ(notes.size(), 2u);
    EXPECT_EQ(notes[0].state, 3);
    EXPECT_EQ(notes[1].data, 10ul);
    EXPECT_EQ(notes[1].state, 0);
}

TEST_F(TreeTest, SpaceTogglesTheSelectedItemAndArrowsToggleNothing)
{
    HTREEITEM a = tree->AddItem(0, "a", 10);
    HTREEITEM b = tree->AddItem(0, "b", 20);
    Show();
    tree->setFocus();
    QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
    QApplication::sendEvent(tree, &down);
    EXPECT_EQ(tree->GetSelectedItem(), b);
    EXPECT_EQ(tree->GetCheck(a) + tree->GetCheck(b), 0);
    QKeyEvent space(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
    QApplication::sendEvent(tree, &space);
    EXPECT_EQ(tree->GetCheck(b), 1);
    auto notes = parent->Take();
    ASSERT_EQ(notes.size(), 1u);
    EXPECT_EQ(notes[0].data, 20ul);
}

TEST_F(TreeTest, ItemsRemovedThroughTheInheritedCallsLeaveNoStaleParent)
{
    tree->AddItem(0, "a", 1);
    tree->AddItem(1, "a1", 2);
    Show();
    Click(TextPoint(tree->topLevelItem(0)));
    delete tree->takeTopLevelItem(0);
    HTREEITEM deep = tree->AddItem(2, "deep", 3);
    ASSERT_EQ(tree->topLevelItemCount(), 1);
    HTREEITEM fresh = tree->topLevelItem(0); // a new placeholder, not the deleted "a"
    EXPECT_EQ(tree->GetItemData(fresh), 9999ul);
    ASSERT_EQ(fresh->childCount(), 1);
    EXPECT_EQ(deep->parent(), fresh->child(0));
    tree->clear();
    EXPECT_EQ(tree->GetCount(), 0);
    HTREEITEM top = tree->AddItem(0, "again", 4);
    tree->SetCheck(top, 1);
    EXPECT_EQ(tree->GetCount(), 1);
}

TEST_F(TreeTest, ElevenDistinctPictures)
{
    const auto& images = tree->GetImageList();
    ASSERT_EQ(images.size(), 11u);
    for (size_t i = 0; i < images.size(); ++i) {
        EXPECT_EQ(images[i].size(), QSize(15, 15)) << i;
        for (size_t j = 0; j < i; ++j)
            EXPECT_NE(images[i].toImage(), images[j].toImage()) << i << " " << j;
    }
}
} // namespace

// The application must outlive every widget and go before Qt's own statics.
int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen"); // test discovery runs us without the test's environment
    QApplication app(argc, argv);
    QTemporaryDir settings;
    PlatformSetSettingsFolder(settings.path());
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
