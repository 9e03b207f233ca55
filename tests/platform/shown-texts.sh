#!/bin/sh
# Fails when the layer shows a person a text written in its code rather than taken from its
# own table (platform/base/PlatformTexts.cpp), where every text comes in all four
# languages. Looked for: a string literal with words in it in a statement that calls GTK
# to show text, shows a message box or fills a dialog request's caption, title, prompt or
# text; and a literal written as a sentence anywhere but in a message for developers
# (logs, contract checks, exceptions).
root="${1:?usage: shown-texts.sh <source root>}"
sinks='gtk_label_new|gtk_label_set_text|gtk_label_set_markup|gtk_button_new_with_label|gtk_button_new_with_mnemonic|gtk_dialog_add_buttons?|gtk_window_set_title|gtk_message_dialog_new|gtk_message_dialog_format_secondary_text|gtk_file_chooser_dialog_new|gtk_widget_set_tooltip_text|gtk_file_filter_set_name|gtk_menu_item_new_with_(label|mnemonic)|g_dgettext|dgettext|gettext|MessageBoxW?|AfxMessageBox'
developers='(^|[^A-Za-z_])(PlatformLog|Log|log)\(|RODEMIR_CHECK|RODEMIR_ASSERT|throw |fprintf|fputs|perror|g_warning|g_message|g_critical|g_printerr|GST_[A-Z_]*\('
found=$(find "$root/platform" -name '*.cpp' ! -name 'PlatformTexts.cpp' | sort | while read -r file; do
  # One statement per record (up to ";", "{" or "}"), comments and preprocessor lines
  # dropped, with its first line.
  awk -v file="${file#$root/}" -v sinks="$sinks" -v developers="$developers" '
    /^[ \t]*#/ { next }
    { sub(/^[ \t]*\/\/.*$/, ""); sub(/[ \t]+\/\/ .*$/, "") }
    statement == "" { start = FNR }
    { statement = statement " " $0 }
    /[;{}][ \t]*$/ {
      shown = statement ~ ("(^|[^A-Za-z_])(" sinks ")[ \t]*\\(") || statement ~ /\.(caption|title|prompt|text)[ \t]*=[^=]/
      forDevelopers = statement ~ developers
      rest = statement
      while (match(rest, /"([^"\\]|\\.)*"/)) {
        literal = substr(rest, RSTART, RLENGTH)
        rest = substr(rest, RSTART + RLENGTH)
        sentence = literal ~ /^"[A-Z][a-z]+ [a-z]/ || literal ~ /[a-z]+ [a-z]+ [a-z]+[^"]*[.?!]"$/
        if ((shown && literal ~ /[A-Za-z][A-Za-z]/) || (sentence && !forDevelopers)) {
          print file ":" start ": " literal
          break
        }
      }
      statement = ""
    }' "$file"
done)
if [ -n "$found" ]; then
  echo "Texts shown to a person must come from the layer's text table:"
  echo "$found"
  exit 1
fi
