#pragma once

#include <QSize>
#include <QWidget>

struct MediaInfo;
class QLineEdit;

// The information page of the properties window: what a probe learned about one file, in nine
// read-only fields grouped under "Media Information", "Video Information" and "Audio
// Information". Laid out in dialog units (290 x 266) with absolute geometry, so it keeps its
// place and size whatever its window does; captions longer than their place (a translation)
// widen it.
//
// Each field is named "field<id>" after its control id (1013 to 1021), its caption
// "label<id>"; the group boxes are "mediaGroup", "videoGroup" and "audioGroup".
class CProDlg final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CProDlg)

public:
    explicit CProDlg(QWidget *parent = nullptr);

    // Writes all nine fields from `info`; a value with nothing to show leaves its field empty,
    // except the duration, which is always written.
    void FillFields(const MediaInfo &info);

    // The field with control id `id` (1013 to 1021), or nullptr.
    QLineEdit *Field(int id) const;

    static QSize SizeUnits() { return QSize(290, 266); }
    QSize sizeHint() const override;

private:
    static constexpr int kFieldCount = 9;
    QLineEdit *m_fields[kFieldCount] = {};
};
