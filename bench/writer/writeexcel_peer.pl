#!/usr/bin/perl
# The benchmark sheet written by Perl's Spreadsheet::WriteExcel (Debian
# libspreadsheet-writeexcel-perl): the same cells, styles and widths as bench_writer.
use strict;
use warnings;
use Time::HiRes qw(time);
use Spreadsheet::WriteExcel;

my ($rows, $columns) = (65536, 8);
my @captions = qw(Naziv Grad Adresa Napomena Staro Novo Razlika Procenat);
my $start = time;
my $book = Spreadsheet::WriteExcel->new($ARGV[0]) or die "cannot create $ARGV[0]";
my $sheet = $book->add_worksheet('writer-65536x8');
my %common = (font => 'Tahoma', size => 8, border => 1, text_wrap => 1);
my $header = $book->add_format(%common, bold => 1, align => 'center', bg_color => 22, pattern => 1);
my $text = $book->add_format(%common, align => 'left');
my $green = $book->add_format(%common, align => 'left', color => 'green');
my $number = $book->add_format(%common, align => 'right');
my $red = $book->add_format(%common, align => 'right', color => 'red');
my @styles = ($text, $green, $text, $text, $number, $red, $number, $number);
for my $c (0 .. $columns - 1) {
    $sheet->set_column($c, $c, $c < 4 ? 22.9 : 12.9);
    $sheet->write_string(0, $c, $captions[$c], $header);
}
for my $r (1 .. $rows - 1) {
    for my $c (0 .. $columns - 1) {
        if ($c < 4) {
            $sheet->write_string($r, $c, 'Akcionar ' . ($r * 8 + $c), $styles[$c]);
        } else {
            $sheet->write_number($r, $c, $r * 1.5 + $c, $styles[$c]);
        }
    }
}
$book->close();
printf "WriteExcel %6.3f s\n", time - $start;
