#include <gtest/gtest.h>

#include <QApplication>
#include <QHeaderView>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QStyle>
#include <QStyleOptionViewItem>
#include <QTabBar>
#include <QTest>

#include "platform/controls/imagelist.h"
#include "platform/controls/keyedtoolbar.h"
#include "platform/controls/keyedtree.h"
#include "platform/controls/reportview.h"
#include "platform/controls/splitter.h"
#include "platform/controls/tabstrip.h"
#include "platform/errors.h"

namespace zelk {
namespace {

int errorNumber(const std::function<void()>& f) {
    try {
        f();
    } catch (const ZelkError& e) {
        return e.number();
    }
    return 0;
}

// ----- report view -------------------------------------------------------------------------

TEST(ReportView, KeysTagsAndSubItemsRoundTrip) {
    ReportView list;
    ColumnHeader* name = list.AddColumn("_12", "名称", 2700);
    name->SetTag("ii02field ");
    list.AddColumn("_13", "类型", 1440, ColumnAlign::Right);
    ListItem* a = list.Add(0, "record7", "甲");
    a->SetTag("7");
    a->SetSubItems(1, "CODE");
    ListItem* c = list.Add(0, "record9", "丙");
    ListItem* b = list.Add(2, "record8", "乙");  // inserted between

    EXPECT_EQ(list.Column("_12"), name);
    EXPECT_EQ(list.Column(1)->Tag(), "ii02field ");
    EXPECT_EQ(list.Column(2)->Alignment(), ColumnAlign::Right);
    EXPECT_EQ(list.Column(3), nullptr);
    ASSERT_EQ(list.Count(), 3);
    EXPECT_EQ(b->Index(), 2);
    EXPECT_EQ(c->Index(), 3);
    EXPECT_EQ(list.Item("record7")->Tag(), "7");
    EXPECT_EQ(list.Item(1)->SubItems(1), "CODE");
    EXPECT_EQ(list.FindItem("CODE", ReportView::FindWhere::SubItem), a);
    EXPECT_EQ(list.FindItem("CODE"), nullptr);
    EXPECT_EQ(list.Item("nope"), nullptr);
    EXPECT_EQ(list.Item(4), nullptr);

    // Keys stay unique, also when changed later; the original raised 35602.
    EXPECT_EQ(errorNumber([&] { list.Add(0, "record8"); }), kErrKeyNotUnique);
    EXPECT_EQ(errorNumber([&] { b->SetKey("record9"); }), kErrKeyNotUnique);
    EXPECT_EQ(errorNumber([&] { list.Add(9); }), kErrIndexOutOfBounds);
    list.SetSelectedItem(c);
    list.Item(1)->SetSelected(true);  // single selection: c is deselected
    EXPECT_FALSE(c->Selected());
    EXPECT_EQ(list.SelectedItem(), list.Item(1));
}

// Rows found by key stay right through renames, removals and clearing, also in long lists.
TEST(ReportView, KeysFollowRenamesRemovalsAndClearing) {
    ReportView list;
    list.AddColumn("c", "名称");
    for (int i = 0; i < 2000; ++i) list.Add(0, QString("k%1").arg(i), QString::number(i));
    EXPECT_EQ(list.Item("k1999")->Text(), "1999");

    list.Item("k5")->SetKey("renamed");
    EXPECT_EQ(list.Item("k5"), nullptr);
    EXPECT_EQ(list.Item("renamed")->Text(), "5");
    list.Add(0, "k5", "again");
    EXPECT_EQ(list.Item("k5")->Text(), "again");

    list.Remove(list.Item("k7"));
    EXPECT_EQ(list.Item("k7"), nullptr);
    EXPECT_EQ(list.Item("k8")->Index(), 8);
    list.Add(0, "k7", "back");
    EXPECT_EQ(list.Item("k7")->Text(), "back");

    // A row taken out of the list is no longer found in it.
    QTreeWidgetItem* taken = list.takeTopLevelItem(0);
    EXPECT_EQ(list.Item("k0"), nullptr);
    list.Add(0, "k0", "new");
    delete taken;
    EXPECT_EQ(list.Item("k0")->Text(), "new");

    list.SetSelectedItem(list.Item("k1"));
    list.Clear();
    EXPECT_EQ(list.SelectedItem(), nullptr);
    EXPECT_EQ(list.Item("k1"), nullptr);
    list.Add(0, "k1", "fresh");
    EXPECT_EQ(list.Item("k1")->Text(), "fresh");
}

// The header edge of column `logical`, in header viewport coordinates.
QPoint sectionEdge(QHeaderView* header, int logical) {
    return {header->sectionViewportPosition(logical) + header->sectionSize(logical) - 1,
            header->height() / 2};
}

void sendMouse(QWidget* target, QEvent::Type type, QPoint at, Qt::MouseButtons buttons) {
    QMouseEvent e(type, at, target->mapToGlobal(at), Qt::LeftButton, buttons, Qt::NoModifier);
    QApplication::sendEvent(target, &e);
}

TEST(ReportView, HeaderWidthIsKeptInTwipsUntilTheUserDragsTheEdge) {
    ReportView list;
    list.resize(600, 200);
    list.show();
    ColumnHeader* first = list.AddColumn("_1", "名称", 2707.5);
    list.AddColumn("_2", "类型", 1440);
    QSignalSpy resized(&list, &ReportView::ColumnResize);
    EXPECT_EQ(first->Width(), 2707.5);
    EXPECT_EQ(list.header()->sectionSize(0), 181);  // round(180.5) shown
    list.Column(2)->SetWidth(1000.4);
    EXPECT_EQ(first->Width(), 2707.5);
    EXPECT_EQ(resized.count(), 0);

    QHeaderView* header = list.header();
    QWidget* port = header->viewport();
    const QPoint edge = sectionEdge(header, 0);
    sendMouse(port, QEvent::MouseMove, edge, Qt::NoButton);
    sendMouse(port, QEvent::MouseButtonPress, edge, Qt::LeftButton);
    sendMouse(port, QEvent::MouseMove, edge + QPoint(20, 0), Qt::LeftButton);
    sendMouse(port, QEvent::MouseButtonRelease, edge + QPoint(20, 0), Qt::NoButton);

    ASSERT_GE(resized.count(), 1);
    EXPECT_EQ(resized.last().at(0).value<ColumnHeader*>(), first);
    EXPECT_EQ(header->sectionSize(0), 201);
    EXPECT_EQ(first->Width(), 201 * 15);
}

TEST(ReportView, ColumnClickAndMouseUpInTwips) {
    ReportView list;
    list.resize(400, 200);
    list.AddColumn("_1", "名称", 1500);
    ColumnHeader* second = list.AddColumn("_2", "类型", 1500);
    list.Add(0, "a", "甲");
    list.show();

    QSignalSpy columnClicks(&list, &ReportView::ColumnClick);
    QHeaderView* header = list.header();
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                      QPoint(header->sectionViewportPosition(1) + 20, header->height() / 2));
    ASSERT_EQ(columnClicks.count(), 1);
    EXPECT_EQ(columnClicks.at(0).at(0).value<ColumnHeader*>(), second);

    // The right button's release, where the windows open their popup menus; place in twips
    // from the list's own corner, below the header bar.
    QSignalSpy ups(&list, &ReportView::MouseUp);
    const QPoint at(30, 10);
    QTest::mouseClick(list.viewport(), Qt::RightButton, Qt::ShiftModifier, at);
    ASSERT_EQ(ups.count(), 1);
    const QPoint inList = list.viewport()->mapTo(&list, at);
    EXPECT_EQ(ups.at(0).at(0).toInt(), 2);
    EXPECT_EQ(ups.at(0).at(1).toInt(), 1);
    EXPECT_EQ(ups.at(0).at(2).toDouble(), inList.x() * 15.0);
    EXPECT_EQ(ups.at(0).at(3).toDouble(), inList.y() * 15.0);
}

// Clicks the check box of a row as the user does.
void clickCheckBox(ReportView& list, ListItem* item) {
    QStyleOptionViewItem option;
    option.initFrom(list.viewport());
    option.rect = list.visualItemRect(item);
    option.features = QStyleOptionViewItem::HasCheckIndicator | QStyleOptionViewItem::HasDisplay;
    const QRect box =
        list.style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, &list);
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, box.center());
}

TEST(ReportView, ItemCheckIsRaisedOnlyForTheUsersTick) {
    ReportView list;
    list.resize(400, 200);
    list.AddColumn("_1", "名称", 2700);
    list.SetCheckboxes(true);
    ListItem* a = list.Add(0, "a", "甲");
    ListItem* b = list.Add(0, "b", "乙");
    list.show();
    QSignalSpy checks(&list, &ReportView::ItemCheck);
    QSignalSpy clicks(&list, &ReportView::Click);

    a->SetChecked(true);
    b->SetChecked(true);
    b->SetChecked(false);
    EXPECT_EQ(checks.count(), 0);
    EXPECT_TRUE(a->Checked());

    clickCheckBox(list, b);
    ASSERT_EQ(checks.count(), 1);
    EXPECT_EQ(checks.at(0).at(0).value<ListItem*>(), b);
    EXPECT_TRUE(b->Checked());
    EXPECT_EQ(clicks.count(), 1);  // after the check, as the import page relies on

    // Without check boxes the value is kept and shown once they come back.
    list.SetCheckboxes(false);
    EXPECT_TRUE(b->Checked());
    EXPECT_FALSE(list.Item(2)->data(0, Qt::CheckStateRole).isValid());
    list.SetCheckboxes(true);
    EXPECT_EQ(b->checkState(0), Qt::Checked);
    EXPECT_EQ(checks.count(), 1);
}

// ----- keyed tree --------------------------------------------------------------------------

TEST(KeyedTree, NodesAreAddedRelativeToKeysAndRemovedWithTheirSubtree) {
    KeyedTree tree;
    Node* root = tree.Add({}, TreeRelationship::Last, "data", "数据栏目", 1, 1);
    Node* b = tree.Add("data", TreeRelationship::Child, "b", "B", 2, 3);
    tree.Add("b", TreeRelationship::Previous, "a", "A");
    tree.Add("b", TreeRelationship::Next, "c", "C");
    tree.Add("a", TreeRelationship::First, "first", "F");
    tree.Add("b", TreeRelationship::Child, "b1", "B1")->SetTag("5");

    EXPECT_EQ(root->Children(), 4);
    QStringList order;
    for (Node* n = root->Child(); n; n = n->Next()) order << n->Key();
    EXPECT_EQ(order, (QStringList{"first", "a", "b", "c"}));
    EXPECT_EQ(tree.Item("b1")->Parent(), b);
    EXPECT_EQ(tree.Item("b1")->Tag(), "5");
    EXPECT_EQ(tree.Item(2), b);  // collection order is the order of adding
    EXPECT_EQ(errorNumber([&] { tree.Add("data", TreeRelationship::Child, "a"); }),
              kErrKeyNotUnique);
    EXPECT_EQ(errorNumber([&] { tree.Add("zz", TreeRelationship::Child, "new"); }),
              kErrElementNotFound);

    tree.Remove("b");
    EXPECT_EQ(tree.Count(), 4);
    EXPECT_EQ(tree.Item("b1"), nullptr);
    EXPECT_EQ(tree.Item(2)->Index(), 2);
}

TEST(KeyedTree, ExpandLetsTheWindowLoadChildrenLazily) {
    KeyedTree tree;
    tree.resize(300, 300);
    tree.show();
    int loads = 0;
    QObject::connect(&tree, &KeyedTree::Expand, &tree, [&](Node* node) {
        Node* first = node->Child();
        if (!first || first->Key() != node->Key() + "_x" || node->Tag() == "Expanded") return;
        tree.Remove(first);
        tree.Add(node, TreeRelationship::Child, node->Key() + "1", "子表");
        tree.Add(node, TreeRelationship::Child, node->Key() + "1_x", "...");  // wrong, ignored
        node->SetTag("Expanded");
        ++loads;
    });
    Node* root = tree.Add({}, TreeRelationship::Last, "T", "主表");
    tree.Add(root, TreeRelationship::Child, "T_x", "...");
    Node* other = tree.Add({}, TreeRelationship::Last, "U", "其他");
    tree.Add(other, TreeRelationship::Child, "U_x", "...");

    root->SetExpanded(true);
    EXPECT_EQ(loads, 1);
    EXPECT_EQ(root->Child()->Key(), "T1");
    EXPECT_EQ(tree.Item("T_x"), nullptr);

    // The user's expand with the keyboard takes the same way.
    tree.SetSelectedItem(other);
    QSignalSpy nodeClicks(&tree, &KeyedTree::NodeClick);
    QTest::keyClick(tree.viewport(), Qt::Key_Right);
    EXPECT_EQ(loads, 2);
    EXPECT_TRUE(other->Expanded());
    QTest::keyClick(tree.viewport(), Qt::Key_Down);  // keyboard selection raises NodeClick
    ASSERT_EQ(nodeClicks.count(), 1);
    EXPECT_EQ(nodeClicks.at(0).at(0).value<Node*>()->Key(), "U1");

    int seen = 0;
    QObject::connect(&tree, &KeyedTree::KeyDown, &tree, [&](int& code, int) {
        seen = code;
        code = 0;
    });
    QTest::keyClick(tree.viewport(), Qt::Key_Up);
    EXPECT_EQ(seen, 38);
    EXPECT_EQ(tree.SelectedItem()->Key(), "U1");  // consumed
}

// ----- toolbar -----------------------------------------------------------------------------

TEST(KeyedToolbar, ButtonGroupMayHaveNonePressed) {
    ImageList images;
    images.Add(QString("ID_BOLD"));
    images.Add(QString("ID_ALIGNLEFT"), "left");
    KeyedToolbar bar;
    bar.SetImageList(&images);
    bar.Add(0, "bold", {}, ButtonStyle::Check, 1);
    bar.Add(0, {}, {}, ButtonStyle::Separator);
    for (const char* key : {"left", "center", "right"})
        bar.Add(0, key, {}, ButtonStyle::ButtonGroup);
    bar.Button("left")->SetImage(QString("left"));
    bar.show();
    QSignalSpy clicked(&bar, &KeyedToolbar::ButtonClick);

    EXPECT_EQ(bar.Button(3)->Image(), 2);

    auto pressed = [&] {
        QString s;
        for (int i = 3; i <= 5; ++i) s += bar.Button(i)->Value() ? "1" : "0";
        return s;
    };
    bar.Click("center");
    EXPECT_EQ(pressed(), "010");
    bar.Click("center");  // a pressed group button stays pressed
    EXPECT_EQ(pressed(), "010");
    // The user's click on the button itself.
    QTest::mouseClick(bar.widgetForAction(bar.Button("right")->action()), Qt::LeftButton);
    EXPECT_EQ(pressed(), "001");
    EXPECT_EQ(clicked.count(), 3);
    EXPECT_EQ(clicked.last().at(0).value<ToolbarButton*>()->Key(), "right");

    // A property dialog releases all three for an alignment it has no button for.
    bar.Button("right")->SetValue(false);
    EXPECT_EQ(pressed(), "000");
    bar.Button("left")->SetValue(true);
    bar.Button("right")->SetValue(true);
    EXPECT_EQ(pressed(), "001");
}

// ----- tab strip, splitter --------------------------------------------------------------

TEST(TabStrip, HiddenAndDisabledTabs) {
    TabStrip tabs;
    for (const char* caption : {"基本属性", "颜色", "字体"}) tabs.AddTab(caption);
    tabs.show();
    QSignalSpy clicks(&tabs, &TabStrip::Click);
    tabs.SetTabEnabled(1, false);
    QTabBar* bar = tabs.tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(1).center());
    EXPECT_EQ(tabs.Tab(), 0);  // disabled
    tabs.SetTabEnabled(1, true);
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(1).center());
    ASSERT_EQ(clicks.count(), 1);
    EXPECT_EQ(clicks.at(0).at(0).toInt(), 0);
    tabs.SetTabVisible(1, false);  // the tab on view goes: the next one is shown
    EXPECT_EQ(tabs.Tab(), 2);
}

TEST(Splitter, FixedPaneKeepsItsWidthOnResize) {
    Splitter split;
    split.SetSplitterBarWidth(60);
    split.AddPane(new QWidget, 1680);
    split.AddPane(new QWidget, 6375);
    split.SetPaneFixed(1, true);
    split.ResizeTwips(9000, 3000);
    split.show();
    EXPECT_EQ(split.PaneSize(1), 1680);
    EXPECT_EQ(split.Pane(1)->width(), 112);
    split.ResizeTwips(12000, 3000);
    EXPECT_EQ(split.Pane(1)->width(), 112);
    EXPECT_EQ(split.Pane(2)->width(), 800 - 112 - 4);
    split.resize(500, 200);
    QApplication::processEvents();
    EXPECT_EQ(split.Pane(1)->width(), 112);
    EXPECT_EQ(split.PaneSize(2), (500 - 112 - 4) * 15);
}

}  // namespace
}  // namespace zelk
