// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/SetupLogic.h"

#include <QAbstractListModel>
#include <QSize>

#include <vector>

namespace pikora::ui {

// The items of Setup's picture list: one checkable label per picture file. The whole list is
// replaced in one reset and every item has the same size, so opening Setup over a folder of
// 100,000 pictures takes time in proportion to the pictures, not to their square.
class PictureListModel : public QAbstractListModel
{
    Q_OBJECT

public:
    using QAbstractListModel::QAbstractListModel;

    void setPictures(const std::vector<PictureListItem>& pictures);
    bool isChecked(int row) const { return m_checked[static_cast<std::size_t>(row)] != 0; }
    void setAllChecked(bool checked);
    void setItemSize(QSize size) { m_itemSize = size; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    std::vector<std::string> m_labels; // exact bytes of the file names
    std::vector<char> m_checked;
    QSize m_itemSize;
};

} // namespace pikora::ui
