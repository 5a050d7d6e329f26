#include "ui/naming/name_table_model.h"

#include "core/engine_binding.h"
#include "core/pair_reading.h"
#include "naming/name_finder_texts.h"
#include "platform/qt/text_conversion.h"

namespace nuvaro::ui {
namespace {

QString Text(std::string_view cp932) { return platform::QStringFromCp932(cp932); }

}  // namespace

CNameTableModel::CNameTableModel(const naming::GivenNameCatalog& catalog, const naming::NameFavourites& favourites,
                                 const core::EngineBinding& engine, QObject* parent)
    : QAbstractTableModel(parent), catalog_(catalog), favourites_(favourites), engine_(engine) {}

void CNameTableModel::SetRanking(naming::NameRanking ranking, std::string surname) {
  beginResetModel();
  ranking_ = std::move(ranking);
  surname_ = std::move(surname);
  endResetModel();
}

void CNameTableModel::FavouriteChanged(int row) { emit dataChanged(index(row, Favourite), index(row, Favourite)); }

int CNameTableModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(ranking_.names.size());
}

int CNameTableModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : ColumnCount; }

QString CNameTableModel::SumsText(std::uint32_t name) const {
  SoulRecord soul = core::SoulRecordForName(surname_, catalog_.Writing(name), core::kPairNamePartBytes);
  engine_.CalculateSoul(soul);
  const int sums[] = {soul.honsyou, soul.syakai, soul.ninki, soul.shigoto, soul.chikaku,
                      soul.aijyou,  soul.shinrei, soul.jinkakuA, soul.jinkakuB};
  QStringList parts;
  for (int sum : sums) parts << QString::number(sum);
  return parts.join(QLatin1Char(' '));
}

QVariant CNameTableModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount()) return {};
  const std::size_t row = static_cast<std::size_t>(index.row());
  const std::uint32_t name = ranking_.names[row];
  if (role == Qt::TextAlignmentRole && index.column() >= Strokes) {
    return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
  }
  if (role == Qt::ToolTipRole && ranking_.personCount > 0 && index.column() >= Minimum) {
    QStringList parts;
    for (std::size_t p = 0; p < ranking_.personCount; ++p) parts << QString::number(ranking_.Percentage(row, p)) + "%";
    return parts.join(QStringLiteral(" / "));
  }
  if (role != Qt::DisplayRole) return {};
  switch (index.column()) {
    case Favourite:
      return favourites_.Contains(catalog_.Writing(name), catalog_.Reading(name)) ? Text(finder_texts::kColumnFavourite)
                                                                                   : QString();
    case Writing:
      return Text(catalog_.Writing(name));
    case Reading:
      return Text(catalog_.Reading(name));
    case Sex:
      switch (catalog_.Sex(name)) {
        case naming::NameSex::Male:
          return Text(finder_texts::kSexMale);
        case naming::NameSex::Female:
          return Text(finder_texts::kSexFemale);
        case naming::NameSex::Both:
          return Text(finder_texts::kSexBoth);
      }
      return {};
    case Strokes: {
      QStringList parts;
      const auto strokes = catalog_.Strokes(name);
      for (int i = 0; i < catalog_.Length(name); ++i) parts << QString::number(strokes[static_cast<std::size_t>(i)]);
      return parts.join(QStringLiteral("・"));
    }
    case Sums:
      return SumsText(name);
    case Minimum:
      return ranking_.personCount > 0 ? QVariant(QString::number(ranking_.minimum[row]) + "%") : QVariant();
    case Average:
      return ranking_.personCount > 0 ? QVariant(QString::number(ranking_.average[row]) + "%") : QVariant();
    default:
      return {};
  }
}

QVariant CNameTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
  static const std::string_view titles[ColumnCount] = {
      finder_texts::kColumnFavourite, finder_texts::kColumnWriting, finder_texts::kColumnReading,
      finder_texts::kColumnSex,       finder_texts::kColumnStrokes, finder_texts::kColumnSums,
      finder_texts::kColumnMinimum,   finder_texts::kColumnAverage};
  return section >= 0 && section < ColumnCount ? Text(titles[section]) : QVariant();
}

bool CNameTableModel::IsSortable(int column) {
  return column == Reading || column == Strokes || column == Minimum || column == Average;
}

void CNameTableModel::sort(int column, Qt::SortOrder direction) {
  if (!IsSortable(column)) return;
  // Reading and strokes run upwards, the percentages from the highest down; the other
  // direction turns that around.
  naming::NameOrder order = naming::NameOrder::Reading;
  Qt::SortOrder natural = Qt::AscendingOrder;
  if (column == Strokes) order = naming::NameOrder::Strokes;
  if (column == Minimum || column == Average) {
    order = column == Minimum ? naming::NameOrder::Minimum : naming::NameOrder::Average;
    natural = Qt::DescendingOrder;
  }
  beginResetModel();
  naming::SortRanking(catalog_, ranking_, order, direction != natural);
  endResetModel();
}

}  // namespace nuvaro::ui
