{ A Free Pascal host of libzentavo2.so: the same answers as the C host.
  Results are PChar texts owned by the library: each is copied into an
  AnsiString before the next call. }
program host;

{$mode objfpc}{$H+}

uses ctypes;

const
  Zentavo2 = 'zentavo2';
  LC_ALL = 6;

function GetVendorURL(MakerText: PChar; Language: cint): PChar; cdecl; external Zentavo2;
function GetPCVendor_Cn(MakerText: PChar; KeepRest: cint): PChar; cdecl; external Zentavo2;
function GetPCVendor_En(MakerText: PChar; KeepRest: cint): PChar; cdecl; external Zentavo2;
function GetVendorPic_Cn(MakerText: PChar): PChar; cdecl; external Zentavo2;
function GetVendorPic_En(MakerText: PChar): PChar; cdecl; external Zentavo2;
function setlocale(Category: cint; Locale: PChar): PChar; cdecl; external 'c';

const
  Typical: array[0..4] of AnsiString = ('ASUSTeK Computer INC.', 'Hewlett-Packard', 'LENOVO',
                                        'Kingston', 'To Be Filled By O.E.M.');

procedure PrintVendor(const Maker: AnsiString);
var
  Chinese, English, LogoCn, LogoEn, UrlCn, UrlEn: AnsiString;
begin
  Chinese := GetPCVendor_Cn(PChar(Maker), 0);
  English := GetPCVendor_En(PChar(Maker), 0);
  LogoCn := GetVendorPic_Cn(PChar(Chinese));
  LogoEn := GetVendorPic_En(PChar(English));
  UrlCn := GetVendorURL(PChar(LogoCn), 1);
  UrlEn := GetVendorURL(PChar(LogoEn), 0);
  WriteLn(Maker, #9, Chinese, #9, English, #9, LogoCn, #9, LogoEn, #9, UrlCn, #9, UrlEn);
end;

var
  I: Integer;
begin
  setlocale(LC_ALL, '');
  if ParamCount > 0 then
    for I := 1 to ParamCount do PrintVendor(ParamStr(I))
  else
    for I := Low(Typical) to High(Typical) do PrintVendor(Typical[I]);
end.
