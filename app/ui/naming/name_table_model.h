// The finder's result list as a table: ★, writing, reading, sex, strokes per character,
// the nine sums under the surname, and the lowest and average percentage. Sorting by a
// column reorders the ranking (reading, strokes, lowest, average) in the direction asked,
// without reading again; the other columns do not sort.
#pragma once

#include <QAbstractTableModel>

#include <string>

#include "naming/given_name_catalog.h"
#include "naming/name_favourites.h"
#include "naming/name_ranking.h"

namespace nuvaro::core {
class EngineBinding;
}

namespace nuvaro::ui {

class CNameTableModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  enum Column { Favourite, Writing, Reading, Sex, Strokes, Sums, Minimum, Average, ColumnCount };

  CNameTableModel(const naming::GivenNameCatalog& catalog, const naming::NameFavourites& favourites,
                  const core::EngineBinding& engine, QObject* parent = nullptr);

  // Shows a new ranking of names under the surname (CP932).
  void SetRanking(naming::NameRanking ranking, std::string surname);
  const naming::NameRanking& Ranking() const { return ranking_; }
  // The catalog index of a row.
  std::uint32_t NameAt(int row) const { return ranking_.names[static_cast<std::size_t>(row)]; }
  // Tells the view that the ★ of a row changed.
  void FavouriteChanged(int row);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  void sort(int column, Qt::SortOrder order) override;
  static bool IsSortable(int column);

 private:
  QString SumsText(std::uint32_t name) const;

  const naming::GivenNameCatalog& catalog_;
  const naming::NameFavourites& favourites_;
  const core::EngineBinding& engine_;
  naming::NameRanking ranking_;
  std::string surname_;
};

}  // namespace nuvaro::ui
