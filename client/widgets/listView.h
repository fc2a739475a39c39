// A drop-down picker: a vertical table of one-line texts (provinces, cities, years, months, days,
// question numbers). A choice updates the matching selection and tells the delegate.
#pragma once

#include "cocos2d.h"
#include "cocos-ext.h"

#include <string>
#include <vector>

class listViewDelegateProtocol {
public:
    virtual ~listViewDelegateProtocol() = default;
    virtual void onListChosen(int mode, std::string chosen) = 0;
    virtual void onQuestionChosen(int mode, std::string chosen) { (void)mode, (void)chosen; }
};

class listVewCell : public cocos2d::extension::CCTableViewCell {
public:
    static listVewCell* create();
    void setText(const std::string& text);
    std::string text() const;

private:
    cocos2d::CCLabelTTF* m_label = nullptr;
};

class listView : public cocos2d::CCLayer,
                 public cocos2d::extension::CCTableViewDataSource,
                 public cocos2d::extension::CCTableViewDelegate {
public:
    enum Mode { Province = 0, City = 1, Year = 2, MonthOfYear = 3, DayOfMonth = 4, Question = 5 };

    static listView* create();
    void setDelegate(listViewDelegateProtocol* delegate) { m_delegate = delegate; }
    // The picker size of the mode, for the caller's setContentSize before fill.
    static cocos2d::CCSize sizeFor(int mode);
    void fill(int mode, int extra);

    // The texts of a mode, from the tables (no table view needed).
    static std::vector<std::string> textsFor(int mode);

    unsigned int numberOfCellsInTableView(cocos2d::extension::CCTableView* table) override;
    cocos2d::CCSize cellSizeForTable(cocos2d::extension::CCTableView* table) override;
    cocos2d::extension::CCTableViewCell* tableCellAtIndex(cocos2d::extension::CCTableView* table,
                                                           unsigned int idx) override;
    void tableCellTouched(cocos2d::extension::CCTableView* table, cocos2d::extension::CCTableViewCell* cell) override;
    void scrollViewDidScroll(cocos2d::extension::CCScrollView*) override {}
    void scrollViewDidZoom(cocos2d::extension::CCScrollView*) override {}

    // The choice of entry i (what a touch on its cell does).
    void choose(unsigned int index);

    void onEnter() override;
    void onExit() override;
    bool ccTouchBegan(cocos2d::CCTouch* touch, cocos2d::CCEvent* event) override;

    const std::vector<std::string>& texts() const { return m_texts; }
    cocos2d::extension::CCTableView* table() const { return m_table; }
    int mode() const { return m_mode; }
    int extra() const { return m_extra; }

    static constexpr float kCellWidth = 150;
    static constexpr float kCellHeight = 40;
    static constexpr float kYearOffset = -2405;

private:
    std::vector<std::string> m_texts;
    cocos2d::extension::CCTableView* m_table = nullptr;
    int m_mode = 0;
    int m_extra = 0;
    listViewDelegateProtocol* m_delegate = nullptr;
};
