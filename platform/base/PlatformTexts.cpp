// The table's rows: id, then Korean, English, Japanese and Russian texts.
#include <iterator>

#include "platform/base/detail/PlatformTextRows.h"

namespace platform::detail {

namespace {

using T = PlatformText;

const PlatformTextRow kRows[] = {
    {T::ErrorCaption, L"오류", L"Error", L"エラー", L"Ошибка"},
    {T::ButtonOk, L"확인(_O)", L"_OK", L"OK(_O)", L"_ОК"},
    {T::ButtonCancel, L"취소(_C)", L"_Cancel", L"キャンセル(_C)", L"_Отмена"},
    {T::ButtonYes, L"예(_Y)", L"_Yes", L"はい(_Y)", L"_Да"},
    {T::ButtonNo, L"아니요(_N)", L"_No", L"いいえ(_N)", L"_Нет"},
    {T::ButtonYesToAll, L"모두 예(_A)", L"Yes to _all", L"すべて はい(_A)", L"Да для в_сех"},
    {T::ButtonNoToAll, L"모두 아니요(_L)", L"N_o to all", L"すべて いいえ(_L)", L"Нет для _всех"},
    {T::ButtonAbort, L"중단(_A)", L"_Abort", L"中止(_A)", L"_Прервать"},
    {T::ButtonRetry, L"다시 시도(_R)", L"_Retry", L"再試行(_R)", L"П_овторить"},
    {T::ButtonIgnore, L"무시(_I)", L"_Ignore", L"無視(_I)", L"Пр_опустить"},
    {T::ButtonOpen, L"열기(_O)", L"_Open", L"開く(_O)", L"_Открыть"},
    {T::ButtonSave, L"저장(_S)", L"_Save", L"保存(_S)", L"_Сохранить"},
    {T::ButtonSelect, L"선택(_S)", L"_Select", L"選択(_S)", L"_Выбрать"},
    {T::OpenTitle, L"열기", L"Open", L"開く", L"Открыть"},
    {T::SaveTitle, L"저장", L"Save", L"保存", L"Сохранить"},
    {T::BrowseForFolderTitle, L"폴더 찾아보기", L"Browse for Folder", L"フォルダーの参照", L"Обзор папок"},
    {T::CopyOperation, L"파일 복사", L"Copy Files", L"ファイルのコピー", L"Копирование файлов"},
    {T::DeleteOperation, L"파일 삭제", L"Delete Files", L"ファイルの削除", L"Удаление файлов"},
    {T::ReplaceQuestion, L"대상 폴더에 \"%1\" 파일이 이미 있습니다.\n바꾸시겠습니까?",
     L"The destination already has a file named \"%1\".\nReplace it?",
     L"コピー先に「%1」という名前のファイルが既にあります。\n置き換えますか?",
     L"В папке назначения уже есть файл «%1».\nЗаменить его?"},
    {T::DeleteOneQuestion, L"이 파일을 삭제하시겠습니까?", L"Delete this file?", L"このファイルを削除しますか?",
     L"Удалить этот файл?"},
    {T::DeleteManyQuestion, L"이 파일 %1개를 삭제하시겠습니까?", L"Delete these %1 files?",
     L"これらの %1 個のファイルを削除しますか?", L"Удалить эти файлы (%1)?"},
    {T::CannotCopy, L"\"%1\" 파일을 복사할 수 없습니다.", L"Cannot copy \"%1\".", L"「%1」をコピーできません。",
     L"Не удаётся скопировать «%1»."},
    {T::CannotDelete, L"\"%1\" 파일을 삭제할 수 없습니다.", L"Cannot delete \"%1\".", L"「%1」を削除できません。",
     L"Не удаётся удалить «%1»."},
    {T::ReasonSameFile, L"원본 파일과 대상 파일이 같습니다.", L"The source and destination file are the same.",
     L"コピー元とコピー先のファイルが同じです。", L"Исходный и конечный файлы совпадают."},
    {T::ReasonInvalidFiles, L"파일만 복사하거나 삭제할 수 있습니다.", L"Only files can be copied or deleted.",
     L"コピーまたは削除できるのはファイルだけです。", L"Копировать и удалять можно только файлы."},
    {T::ReasonFolderInTheWay, L"같은 이름의 폴더가 있습니다.", L"A folder of that name is in the way.",
     L"同じ名前のフォルダーがあります。", L"Мешает папка с таким же именем."},
    {T::ReasonDiskFull, L"디스크 공간이 부족합니다.", L"There is not enough space on the disk.",
     L"ディスクの空き領域が不足しています。", L"Недостаточно места на диске."},
    {T::ReasonAccessDenied, L"액세스가 거부되었습니다.", L"Access is denied.", L"アクセスが拒否されました。",
     L"Отказано в доступе."},
    {T::ReasonFileNotFound, L"파일을 찾을 수 없습니다.", L"The file cannot be found.", L"ファイルが見つかりません。",
     L"Файл не найден."},
    {T::ReasonNotReady, L"장치가 준비되지 않았습니다.", L"The device is not ready.",
     L"デバイスの準備ができていません。", L"Устройство не готово."},
    {T::ReasonOther, L"작업을 완료하지 못했습니다(오류 %1).", L"The operation failed (error %1).",
     L"操作を完了できませんでした (エラー %1)。", L"Не удалось выполнить операцию (ошибка %1)."},
    {T::ProgramNotFound, L"\"%1\" 프로그램을 찾을 수 없습니다.", L"\"%1\" cannot be found.",
     L"「%1」が見つかりません。", L"Не удаётся найти «%1»."},
    {T::ProgramNotStarted, L"\"%1\" 프로그램을 시작할 수 없습니다.", L"\"%1\" cannot be started.",
     L"「%1」を起動できません。", L"Не удаётся запустить «%1»."},
    {T::InstallPackage, L"\"%1\" 패키지를 설치한 뒤 다시 시도하세요.", L"Install the package \"%1\" and try again.",
     L"パッケージ「%1」をインストールしてから、もう一度お試しください。",
     L"Установите пакет «%1» и повторите попытку."},
    {T::CalendarSunday, L"일", L"Su", L"日", L"Вс"},
    {T::CalendarMonday, L"월", L"Mo", L"月", L"Пн"},
    {T::CalendarTuesday, L"화", L"Tu", L"火", L"Вт"},
    {T::CalendarWednesday, L"수", L"We", L"水", L"Ср"},
    {T::CalendarThursday, L"목", L"Th", L"木", L"Чт"},
    {T::CalendarFriday, L"금", L"Fr", L"金", L"Пт"},
    {T::CalendarSaturday, L"토", L"Sa", L"土", L"Сб"},
    {T::CalendarJanuary, L"1월", L"January", L"1月", L"Январь"},
    {T::CalendarFebruary, L"2월", L"February", L"2月", L"Февраль"},
    {T::CalendarMarch, L"3월", L"March", L"3月", L"Март"},
    {T::CalendarApril, L"4월", L"April", L"4月", L"Апрель"},
    {T::CalendarMay, L"5월", L"May", L"5月", L"Май"},
    {T::CalendarJune, L"6월", L"June", L"6月", L"Июнь"},
    {T::CalendarJuly, L"7월", L"July", L"7月", L"Июль"},
    {T::CalendarAugust, L"8월", L"August", L"8月", L"Август"},
    {T::CalendarSeptember, L"9월", L"September", L"9月", L"Сентябрь"},
    {T::CalendarOctober, L"10월", L"October", L"10月", L"Октябрь"},
    {T::CalendarNovember, L"11월", L"November", L"11月", L"Ноябрь"},
    {T::CalendarDecember, L"12월", L"December", L"12月", L"Декабрь"},
    {T::CalendarMonthTitle, L"%2년 %1", L"%1 %2", L"%2年%1", L"%1 %2"},
    {T::CalendarToday, L"오늘:", L"Today:", L"今日:", L"Сегодня:"},
};

static_assert(std::size(kRows) == static_cast<size_t>(PlatformText::Count), "one row for every text");

}  // namespace

const PlatformTextRow* PlatformTextRows(size_t* count) {
  *count = std::size(kRows);
  return kRows;
}

}  // namespace platform::detail
