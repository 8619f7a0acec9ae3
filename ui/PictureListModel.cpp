// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#include "PictureListModel.h"

#include <algorithm>

#include <QFile>

namespace pikora::ui {

void PictureListModel::setPictures(const std::vector<PictureListItem>& pictures)
{
    beginResetModel();
    m_labels.clear();
    m_checked.clear();
    m_labels.reserve(pictures.size());
    m_checked.reserve(pictures.size());
    for (const auto& picture : pictures) {
        m_labels.push_back(picture.label);
        m_checked.push_back(picture.checked ? 1 : 0);
    }
    endResetModel();
}

void PictureListModel::setAllChecked(bool checked)
{
    std::fill(m_checked.begin(), m_checked.end(), checked ? 1 : 0);
    if (!m_checked.empty()) {
        emit dataChanged(index(0), index(rowCount() - 1), { Qt::CheckStateRole });
    }
}

int PictureListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_labels.size());
}

QVariant PictureListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount()) {
        return QVariant();
    }
    const auto row = static_cast<std::size_t>(index.row());
    switch (role) {
    case Qt::DisplayRole:
        // File names are bytes; show them as the system decodes file names.
        return QFile::decodeName(QByteArray::fromStdString(m_labels[row]));
    case Qt::CheckStateRole:
        return m_checked[row] != 0 ? Qt::Checked : Qt::Unchecked;
    case Qt::SizeHintRole:
        return m_itemSize.isValid() ? QVariant(m_itemSize) : QVariant();
    default:
        return QVariant();
    }
}

bool PictureListModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!index.isValid() || index.row() >= rowCount() || role != Qt::CheckStateRole) {
        return false;
    }
    m_checked[static_cast<std::size_t>(index.row())]
        = value.value<Qt::CheckState>() == Qt::Checked ? 1 : 0;
    emit dataChanged(index, index, { Qt::CheckStateRole });
    return true;
}

Qt::ItemFlags PictureListModel::flags(const QModelIndex& index) const
{
    if (!index.isValid()) {
        return Qt::NoItemFlags;
    }
    return Qt::ItemIsEnabled | Qt::ItemIsUserCheckable | Qt::ItemIsSelectable;
}

} // namespace pikora::ui
